// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as created: every control at its design place, with its design text,
// font, colour, hint, tab stop and stacking; and the same place once the window is shown.
#include "Conception.h"
#include "FormulaireCree.h"

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <vector>

namespace {

// The caption, text, title or lines that a control shows.
QString texteDe(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *m = qobject_cast<TMemo *>(w))
        return m->lignes().join(QLatin1Char('|'));
    if (auto *g = qobject_cast<TRadioGroup *>(w))
        return g->title() + QLatin1Char(':') + g->bouton(0)->text() + QLatin1Char(',') +
               g->bouton(1)->text();
    return {};
}

// --- The window ---------------------------------------------------------------------------

using DispositionFenetre = FormulaireCree;

TEST_F(DispositionFenetre, titleAndClientArea_asDesigned)
{
    EXPECT_EQ(f().windowTitle(), QStringLiteral("prismelle kelvorin v1.4"));
    EXPECT_EQ(f().size(), QSize(1285, 731));
    EXPECT_EQ(f().width() - 40 - 1237, TForm1::MargeDroiteMichelLevy);
}

TEST_F(DispositionFenetre, background_isTheButtonFaceColour)
{
    EXPECT_TRUE(f().autoFillBackground());
    EXPECT_EQ(f().palette().color(QPalette::Window),
              QGuiApplication::palette().color(QPalette::Dark));
}

TEST_F(DispositionFenetre, msSansSerif11Pixels_isSubstituted)
{
    EXPECT_EQ(f().font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f().font().pixelSize(), 11);
    EXPECT_FALSE(f().font().bold());
    const QStringList proches{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    EXPECT_TRUE(proches.contains(QFontInfo(f().font()).family()))
        << QFontInfo(f().font()).family().toStdString();
    EXPECT_TRUE(proches.contains(QFontInfo(f().Label18->font()).family()))
        << QFontInfo(f().Label18->font()).family().toStdString();
}

TEST_F(DispositionFenetre, stacking_followsTheCreationOrder)
{
    std::map<QWidget *, const char *> noms;
    for (const Place &p : places())
        noms[w(p.c)] = p.c.nom;
    std::vector<std::string> pile;
    for (QObject *o : f().children())
        if (auto it = noms.find(qobject_cast<QWidget *>(o)); it != noms.end())
            pile.emplace_back(it->second);
    std::vector<std::string> creation;
    for (const Place &p : places())
        creation.emplace_back(p.c.nom);
    EXPECT_EQ(pile, creation); // Bevel1 first: behind the controls it frames
}

TEST_F(DispositionFenetre, tooltips_showOnlyWhereDesigned)
{
    const QString bande =
        QStringLiteral(" Cliquer + glisser  pour sélectionner la longueur d'onde monochromatique ");
    const std::map<std::string, QString> montres{
        {"Image_lumiere_blanche", bande},
        {"Image_lumiere_incidente", bande},
        {"Edit4", QStringLiteral(" Largeur de fente  ")},
        {"TrackBar1", QStringLiteral(" Cliquer et glisser pour observer ")},
        {"Label20", QStringLiteral(" un clik valide un zéro ")},
    };
    EXPECT_TRUE(f().toolTip().isEmpty());
    for (const Place &p : places()) {
        const auto it = montres.find(p.c.nom);
        EXPECT_EQ(w(p.c)->toolTip(), it == montres.end() ? QString() : it->second) << p.c.nom;
    }
    EXPECT_EQ(f().CheckBox1->property("Hint").toString(),
              QStringLiteral(" affichage graphique plus lent  "));
}

// Each radio item counts as its group: the group is one stop, whichever item is checked.
std::string nomDansLaChaine(TForm1 &f, QWidget *x)
{
    for (const Controle &c : ordreTabulation())
        if (c.acces(f) == x || (c.acces(f) == f.RadioGroup1 && x->parentWidget() == f.RadioGroup1))
            return c.nom;
    return x->metaObject()->className();
}

TEST_F(DispositionFenetre, tabChain_asDesigned)
{
    std::vector<std::string> attendu;
    for (const Controle &c : ordreTabulation())
        attendu.emplace_back(c.nom);
    for (int origine : {0, 1, 0}) {
        SCOPED_TRACE(origine);
        f().RadioGroup1->bouton(origine)->click();
        std::vector<std::string> chaine;
        QWidget *x = f().Button1;
        do {
            if (x->focusPolicy() & Qt::TabFocus)
                chaine.push_back(nomDansLaChaine(f(), x));
            x = x->nextInFocusChain();
        } while (x != f().Button1);
        EXPECT_EQ(chaine, attendu);
    }
}

// --- Place of each control ----------------------------------------------------------------

class DispositionPlace : public FormulaireCree, public testing::WithParamInterface<Place> {};

TEST_P(DispositionPlace, leftTopAndSize_asDesigned)
{
    const Place &p = GetParam();
    QWidget *x = w(p.c);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->parentWidget(), &f());
    EXPECT_EQ(x->pos(), QPoint(p.x, p.y));
    if (p.taille) {
        EXPECT_EQ(x->size(), *p.taille);
    }
}

INSTANTIATE_TEST_SUITE_P(Controles, DispositionPlace, testing::ValuesIn(places()),
                         [](const auto &info) { return std::string(info.param.c.nom); });

// --- Design texts -------------------------------------------------------------------------

struct Texte {
    Controle c;
    QString texte;
};

// Label1, Label8, Label9 and Label10 are rewritten by the creation handler already.
const std::vector<Texte> textes{
    {CONTROLE(Label2), QStringLiteral("Retard optique en nm")},
    {CONTROLE(Label3), QStringLiteral("Lumière incidente")},
    {CONTROLE(Label4), QStringLiteral("retard maximum en nm")},
    {CONTROLE(Label5), QStringLiteral("par pas de")},
    {CONTROLE(Label6), QStringLiteral("n = ---")},
    {CONTROLE(Label7), QStringLiteral("valeurs d'interférence ")},
    {CONTROLE(Label11), QStringLiteral("Retard, R,G,B")},
    {CONTROLE(Label12), QStringLiteral("n ---")},
    {CONTROLE(Label13), QStringLiteral("nm ,  largeur")},
    {CONTROLE(Label14), QStringLiteral("  (écarts 551 nm)  ")},
    {CONTROLE(Label15), QStringLiteral("Tableau de Michel-Lévy")},
    {CONTROLE(Label16), QStringLiteral("Lumière incidente")},
    {CONTROLE(Label17), QStringLiteral("Lumière incidente")},
    {CONTROLE(Label18), QStringLiteral("retard")},
    {CONTROLE(Label19),
     QStringLiteral("Somme des 1/2.(1+Cos(2.pi.Retard/Lambda) = Sqr(Cos(Phase / 2))")},
    {CONTROLE(Label20), QStringLiteral("delta")},
    {CONTROLE(Label21), QStringLiteral("n")},
    {CONTROLE(Label22), QStringLiteral("=>")},
    {CONTROLE(Button1), QStringLiteral("calcul")},
    {CONTROLE(Button2), QStringLiteral("EXIT")},
    {CONTROLE(BitBtn1), QStringLiteral("Enregistrer")},
    {CONTROLE(BitBtn_blanche), QStringLiteral("Lumière blanche")},
    {CONTROLE(BitBtn_laser), QStringLiteral("Lumière monochromatique")},
    {CONTROLE(Edit1), QStringLiteral("3000")},
    {CONTROLE(Edit2), QStringLiteral("10")},
    {CONTROLE(Edit3), QStringLiteral("550")},
    {CONTROLE(Edit4), QStringLiteral("10")},
    {CONTROLE(CheckBox1), QStringLiteral("voir les tableaux de valeurs (affichage plus lent)")},
    {CONTROLE(RadioGroup1), QStringLiteral("origine arc-en-ciel:fichier,calculs")},
    {CONTROLE(Memo_fichier), QStringLiteral("Memo_fichier")},
    {CONTROLE(Memo_lumiere), QStringLiteral("Memo_lumiere")},
    {CONTROLE(memo_interferences), QStringLiteral("memo_interferences")},
};

void PrintTo(const Texte &t, std::ostream *os) { PrintTo(t.c, os); }

class DispositionTexte : public FormulaireCree, public testing::WithParamInterface<Texte> {};

TEST_P(DispositionTexte, designText_isExact)
{
    QWidget *x = w(GetParam().c);
    EXPECT_EQ(texteDe(x), GetParam().texte);
    if (auto *l = qobject_cast<QLabel *>(x))
        attendEtiquetteEntiere(l);
}

INSTANTIATE_TEST_SUITE_P(Controles, DispositionTexte, testing::ValuesIn(textes),
                         [](const auto &info) { return std::string(info.param.c.nom); });

// --- Fonts and colours --------------------------------------------------------------------

struct Police {
    Controle c;
    const char *famille;
    int pixels;
    std::optional<QRgb> couleur; // none: the system's window-text colour
    QPalette::ColorRole role;
};

constexpr QRgb bleu = 0xFF0000FF, marine = 0xFF000080, bordeaux = 0xFF800000;
constexpr auto Ms = "MS Sans Serif";
constexpr auto Etiq = QPalette::WindowText;
constexpr auto Bout = QPalette::ButtonText;
constexpr auto Saisie = QPalette::Text;

const std::vector<Police> polices{
    {CONTROLE(Label2), Ms, 11, {}, Etiq},
    {CONTROLE(Label3), Ms, 11, bleu, Etiq},
    {CONTROLE(Label7), Ms, 11, {}, Etiq},
    {CONTROLE(Label8), Ms, 11, marine, Etiq},
    {CONTROLE(Label13), Ms, 13, bordeaux, Etiq},
    {CONTROLE(Label14), Ms, 13, marine, Etiq},
    {CONTROLE(Label15), Ms, 11, {}, Etiq},
    {CONTROLE(Label16), Ms, 16, bleu, Etiq},
    {CONTROLE(Label17), Ms, 11, bleu, Etiq},
    {CONTROLE(Label18), "Arial", 19, bleu, Etiq},
    {CONTROLE(Label19), "Arial", 16, bleu, Etiq},
    {CONTROLE(Label20), "Arial", 16, bleu, Etiq},
    {CONTROLE(Label22), Ms, 11, {}, Etiq},
    {CONTROLE(Button1), Ms, 11, {}, Bout},
    {CONTROLE(Button2), Ms, 13, {}, Bout},
    {CONTROLE(BitBtn1), Ms, 11, {}, Bout},
    {CONTROLE(BitBtn_blanche), Ms, 11, bleu, Bout},
    {CONTROLE(BitBtn_laser), Ms, 11, bordeaux, Bout},
    {CONTROLE(Edit1), Ms, 11, {}, Saisie},
    {CONTROLE(Edit3), Ms, 13, bordeaux, Saisie},
    {CONTROLE(Edit4), Ms, 13, bordeaux, Saisie},
    {CONTROLE(CheckBox1), Ms, 11, {}, Etiq},
    {CONTROLE(RadioGroup1), Ms, 11, {}, Etiq},
};

void PrintTo(const Police &p, std::ostream *os) { PrintTo(p.c, os); }

class DispositionPolice : public FormulaireCree, public testing::WithParamInterface<Police> {};

TEST_P(DispositionPolice, familyHeightAndColour_asDesigned)
{
    const Police &p = GetParam();
    const QWidget *x = w(p.c);
    EXPECT_EQ(x->font().family(), QString::fromLatin1(p.famille));
    EXPECT_EQ(x->font().pixelSize(), p.pixels);
    EXPECT_FALSE(x->font().bold() || x->font().italic() || x->font().underline());
    const QColor attendue =
        p.couleur ? QColor(*p.couleur) : QGuiApplication::palette().color(QPalette::WindowText);
    EXPECT_EQ(x->palette().color(p.role), attendue);
}

INSTANTIATE_TEST_SUITE_P(Controles, DispositionPolice, testing::ValuesIn(polices),
                         [](const auto &info) { return std::string(info.param.c.nom); });

} // namespace
