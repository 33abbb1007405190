// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout: every control at its design position, text, font and colour,
// created in stacking order (earliest at the back).
#include "Unit1.h"

#include "MichelLevySpectre/couleurs/CodesCouleur.h"

#include <qcustomplot.h>

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLayout>
#include <QPalette>

#include <optional>

namespace {

const QString MsSansSerif = QStringLiteral("MS Sans Serif");
const QString Arial = QStringLiteral("Arial");
constexpr QRgb clBlue = qRgb(0x00, 0x00, 0xFF);
constexpr QRgb clNavy = qRgb(0x00, 0x00, 0x80);
constexpr QRgb clMaroon = qRgb(0x80, 0x00, 0x00);

QColor clWindowText() { return QGuiApplication::palette().color(QPalette::WindowText); }

// A font of the control's own, instead of the window's.
struct Habit {
    QString famille;
    int pixels;
    QColor couleur;
};
using Propre = std::optional<Habit>;

QFont police(const QString &famille, int pixels)
{
    QFont f(famille);
    f.setPixelSize(pixels);
    return f;
}

void colore(QWidget *w, QPalette::ColorRole role, const QColor &couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}

// The caption colour lives in the role that the control paints its text with.
void habille(QWidget *w, const Propre &habit, QPalette::ColorRole role)
{
    if (!habit)
        return;
    w->setFont(police(habit->famille, habit->pixels));
    colore(w, role, habit->couleur);
}

// The design hint is kept on every control that has one; only shown hints become tooltips.
void conseil(QWidget *w, const QString &texte, bool montre)
{
    w->setProperty("Hint", texte);
    if (montre)
        w->setToolTip(texte);
}

// Labels size themselves to their caption, also when the program rewrites it later:
// a new caption asks the window for a new layout, and the labels follow.
class TailleEtiquettes : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *e) override
    {
        if (e->type() == QEvent::LayoutRequest || e->type() == QEvent::Show)
            for (TLabel *l : objet->findChildren<TLabel *>(Qt::FindDirectChildrenOnly))
                l->adjustSize();
        return false;
    }
};

TLabel *etiquette(QWidget *parent, const QString &texte, const QRect &r, const Propre &habit = {})
{
    auto *l = new TLabel(parent);
    l->setTextFormat(Qt::PlainText);
    habille(l, habit, QPalette::WindowText);
    l->setGeometry(r);
    l->setText(texte);
    l->adjustSize();
    return l;
}

TButton *bouton(QWidget *parent, const QString &texte, const QRect &r, const Propre &habit = {})
{
    auto *b = new TButton(texte, parent);
    habille(b, habit, QPalette::ButtonText);
    b->setGeometry(r);
    return b;
}

TEdit *champ(QWidget *parent, const QString &texte, const QRect &r, const Propre &habit = {})
{
    auto *e = new TEdit(texte, parent);
    habille(e, habit, QPalette::Text);
    e->setGeometry(r);
    return e;
}

TMemo *memo(QWidget *parent, const QString &ligne, const QRect &r)
{
    auto *m = new TMemo(parent);
    m->setTabChangesFocus(true); // Tab moves on to the next control, as in every field
    m->remplaceLignes({ligne});
    m->setGeometry(r);
    return m;
}

TImage *image(QWidget *parent, const QRect &r)
{
    auto *i = new TImage(parent);
    i->setCursor(Qt::CrossCursor);
    i->setGeometry(r);
    return i;
}

// No legend, no title, a white back wall; the panel around it takes the window's colour.
TChart *graphique(QWidget *parent, const QRect &r)
{
    auto *c = new TChart(parent);
    c->legend->setVisible(false);
    c->axisRect()->setBackground(Qt::white);
    c->setBackground(parent->palette().color(QPalette::Window));
    c->setPlottingHint(QCP::phFastPolylines, true);
    c->setFocusPolicy(Qt::TabFocus);
    c->setGeometry(r);
    return c;
}

TFastLineSeries *serie(TChart *chart)
{
    TFastLineSeries *s = chart->addGraph();
    s->setPen(QPen(CouleurQt(Jaune)));
    return s;
}

TTrackBar *glissiere(QWidget *parent, const QRect &r)
{
    auto *t = new TTrackBar(parent);
    t->setRange(500, 50000);
    t->setValue(1000);
    t->setTickPosition(QSlider::TicksBelow);
    // Qt's automatic ticks (interval 0) rather than a tick every unit, which would be 49,500
    // ticks on 409 pixels. Qt then spaces them by the page step, so they still run together.
    t->setTickInterval(0);
    t->setGeometry(r);
    return t;
}

TRadioGroup *groupeOrigine(QWidget *parent, const QRect &r)
{
    auto *g = new TRadioGroup(QStringLiteral("origine arc-en-ciel"),
                              {QStringLiteral("fichier"), QStringLiteral("calculs")}, parent);
    g->setItemIndex(0);
    // The group keeps its design size even if its items would like more room.
    g->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    g->setGeometry(r);
    return g;
}

TBevel *cadre(QWidget *parent, const QRect &r)
{
    auto *b = new TBevel(parent);
    b->setFrameStyle(QFrame::Box | QFrame::Sunken);
    b->setGeometry(r);
    return b;
}

TCheckBox *caseACocher(QWidget *parent, const QString &texte, const QRect &r)
{
    auto *c = new TCheckBox(texte, parent);
    c->setChecked(false);
    c->setGeometry(r);
    return c;
}

// Where "MS Sans Serif" or "Arial" is missing, a sans-serif face of close metrics.
void substitueLesPolices()
{
    const QStringList proches{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(MsSansSerif, proches);
    QFont::insertSubstitutions(Arial, proches);
}

void prepareFenetre(QWidget *fenetre)
{
    fenetre->setWindowTitle(QStringLiteral("prismelle kelvorin v1.4"));
    fenetre->resize(TForm1::LargeurClient, TForm1::HauteurClient);
    colore(fenetre, QPalette::Window, fenetre->palette().color(QPalette::Dark));
    fenetre->setAutoFillBackground(true);
    substitueLesPolices();
    fenetre->setFont(police(MsSansSerif, 11));
    fenetre->installEventFilter(new TailleEtiquettes(fenetre));
}

void chaineTabulation(const QList<QWidget *> &ordre)
{
    for (qsizetype i = 1; i < ordre.size(); ++i)
        QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}

} // namespace

void TForm1::creeControles()
{
    static_assert(LargeurClient - 40 - 1237 == MargeDroiteMichelLevy);
    const QString conseilBande =
        QStringLiteral(" Cliquer + glisser  pour sélectionner la longueur d'onde monochromatique ");
    prepareFenetre(this);

    Bevel1 = cadre(this, {40, 5, 617, 140});
    Image_lumiere_blanche = image(this, {56, 72, 593, 65});
    conseil(Image_lumiere_blanche, conseilBande, true);
    Image_michel_levy = image(this, {40, 622, 1237, 97});
    Image_michel_levy->setMouseTracking(true); // the readout follows every movement
    Label1 = etiquette(this, QStringLiteral("fichier arc-en-ciel"), {1088, 11, 80, 13});
    Label2 = etiquette(this, QStringLiteral("Retard optique en nm"), {39, 608, 102, 13});
    Label3 = etiquette(this, QStringLiteral("Lumière incidente"), {520, 175, 83, 13},
                       Habit{MsSansSerif, 11, clBlue});
    Label4 = etiquette(this, QStringLiteral("retard maximum en nm"), {70, 315, 105, 13});
    Label5 = etiquette(this, QStringLiteral("par pas de"), {288, 314, 50, 13});
    Label6 = etiquette(this, QStringLiteral("n = ---"), {432, 314, 27, 13});
    Label7 = etiquette(this, QStringLiteral("valeurs d'interférence "), {469, 314, 104, 13});
    Label8 = etiquette(this, QStringLiteral("Lumière blanche   400 - 800 nm"), {226, 17, 149, 13},
                       Habit{MsSansSerif, 11, clNavy});
    Label9 = etiquette(this, QStringLiteral("n"), {1200, 11, 6, 13});
    Label10 = etiquette(this, QStringLiteral("n --"), {612, 174, 15, 13});
    Label11 = etiquette(this, QStringLiteral("Retard, R,G,B"), {664, 339, 67, 13});
    Label12 = etiquette(this, QStringLiteral("n ---"), {760, 339, 18, 13});
    Label13 = etiquette(this, QStringLiteral("nm ,  largeur"), {505, 267, 72, 16},
                        Habit{MsSansSerif, 13, clMaroon});
    Label14 = etiquette(this, QStringLiteral("  (écarts 551 nm)  "), {304, 602, 102, 16},
                        Habit{MsSansSerif, 13, clNavy});
    Image_lumiere_incidente = image(this, {56, 192, 593, 65});
    conseil(Image_lumiere_incidente, conseilBande, true);
    Label16 = etiquette(this, QStringLiteral("Lumière incidente"), {760, 4, 125, 20},
                        Habit{MsSansSerif, 16, clBlue});
    Label17 = etiquette(this, QStringLiteral("Lumière incidente"), {1082, 112, 83, 13},
                        Habit{MsSansSerif, 11, clBlue});
    Label15 = etiquette(this, QStringLiteral("Tableau de Michel-Lévy"), {1088, 328, 114, 13});
    Label18 =
        etiquette(this, QStringLiteral("retard"), {400, 544, 49, 22}, Habit{Arial, 19, clBlue});
    Label19 = etiquette(
        this, QStringLiteral("Somme des 1/2.(1+Cos(2.pi.Retard/Lambda) = Sqr(Cos(Phase / 2))"),
        {72, 424, 473, 18}, Habit{Arial, 16, clBlue});
    Label20 =
        etiquette(this, QStringLiteral("delta"), {400, 568, 34, 18}, Habit{Arial, 16, clBlue});
    conseil(Label20, QStringLiteral(" un clik valide un zéro "), true);
    Label21 = etiquette(this, QStringLiteral("n"), {1128, 342, 6, 13});
    Label22 = etiquette(this, QStringLiteral("=>"), {416, 314, 12, 13});
    Button1 = bouton(this, QStringLiteral("calcul"), {56, 526, 75, 25});
    Button2 = bouton(this, QStringLiteral("EXIT"), {192, 526, 75, 25},
                     Habit{MsSansSerif, 13, clWindowText()});
    Memo_lumiere = memo(this, QStringLiteral("Memo_lumiere"), {1024, 130, 241, 126});
    memo_interferences = memo(this, QStringLiteral("memo_interferences"), {1040, 358, 225, 251});
    Chart1 = graphique(this, {673, 25, 337, 232});
    Series1 = serie(Chart1);
    Series2 = serie(Chart1);
    Series3 = serie(Chart1);
    Chart2 = graphique(this, {608, 361, 400, 250});
    Memo_fichier = memo(this, QStringLiteral("Memo_fichier"), {1024, 27, 241, 75});
    Edit1 = champ(this, QStringLiteral("3000"), {184, 312, 97, 21});
    Edit2 = champ(this, QStringLiteral("10"), {343, 311, 65, 21});
    RadioGroup1 = groupeOrigine(this, {88, 8, 113, 57});
    Edit3 =
        champ(this, QStringLiteral("550"), {443, 265, 57, 24}, Habit{MsSansSerif, 13, clMaroon});
    Edit4 = champ(this, QStringLiteral("10"), {584, 264, 54, 24}, Habit{MsSansSerif, 13, clMaroon});
    conseil(Edit4, QStringLiteral(" Largeur de fente  "), true);
    BitBtn1 = bouton(this, QStringLiteral("Enregistrer"), {1120, 296, 75, 25});
    TrackBar1 = glissiere(this, {56, 352, 409, 45});
    conseil(TrackBar1, QStringLiteral(" Cliquer et glisser pour observer "), true);
    BitBtn_blanche = bouton(this, QStringLiteral("Lumière blanche"), {56, 264, 169, 25},
                            Habit{MsSansSerif, 11, clBlue});
    BitBtn_laser = bouton(this, QStringLiteral("Lumière monochromatique"), {240, 264, 193, 25},
                          Habit{MsSansSerif, 11, clMaroon});
    CheckBox1 =
        caseACocher(this, QStringLiteral("voir les tableaux de valeurs (affichage plus lent)"),
                    {800, 296, 257, 17});
    conseil(CheckBox1, QStringLiteral(" affichage graphique plus lent  "), false);

    // Both radio items sit at the group's place; only the checked one takes Tab.
    chaineTabulation({Button1, Button2, Memo_lumiere, memo_interferences, Chart1, Chart2,
                      Memo_fichier, Edit1, Edit2, RadioGroup1->bouton(0), RadioGroup1->bouton(1),
                      Edit3, Edit4, BitBtn1, TrackBar1, BitBtn_blanche, BitBtn_laser, CheckBox1});
}
