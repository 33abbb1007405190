// SPDX-License-Identifier: GPL-3.0-or-later
// Figures: the right-button menus, the files they save and the full chart's colours.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"
#include "MichelLevySpectre/figures/Figures.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <qcustomplot.h>

#include <functional>

namespace {

using Controle = std::function<QWidget *(TForm1 &)>;

// A right press as the window system delivers it: the control's own press handler first,
// then the context menu.
void pressionDroite(QWidget *controle, int x, int y)
{
    QWidget *fenetre = controle->window();
    const QPoint point = controle->mapTo(fenetre, QPoint(x, y));
    QTest::mousePress(fenetre->windowHandle(), Qt::RightButton, {}, point);
#ifdef _WIN32
    // Windows opens a context menu when the button is released.
    QTest::mouseRelease(fenetre->windowHandle(), Qt::RightButton, {}, point);
#endif
}

// The open menu's entries joined by "|", and the menu closed.
std::string textesDuMenuOuvert()
{
    QStringList textes;
    // A real platform may show the menu a little after the click.
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000))
        return {};
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        for (const QAction *a : menu->actions())
            textes << a->text();
        menu->close();
    }
    return textes.join(QLatin1Char('|')).toStdString();
}

struct MenuAttendu {
    const char *nom;
    Controle controle;
    int x;
    QStringList entrees;
};

void PrintTo(const MenuAttendu &m, std::ostream *os) { *os << m.nom; }

class MenusFigures : public FenetreTest, public testing::WithParamInterface<MenuAttendu> {};

const QString Copier = QStringLiteral("Copier l'image");
const QString Enregistrer = QStringLiteral("Enregistrer l'image…");

} // namespace

TEST_P(MenusFigures, rightPressKeepsTheControlsOwnHandlerThenShowsItsMenu)
{
    ouvre();
    QWidget *controle = GetParam().controle(f());
    pressionDroite(controle, GetParam().x, 40);
    EXPECT_EQ(textesDuMenuOuvert(), GetParam().entrees.join(QLatin1Char('|')).toStdString());
    if (controle == f().Image_michel_levy) { // the press still sets the zero of "delta"
        EXPECT_EQ(f().x_origine, 618);
        glisse(f().Image_michel_levy, Qt::NoButton, 0);
        EXPECT_EQ(f().Label20->text(), "-1500");
    }
    EXPECT_TRUE(dialogues_.erreurs.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Controles, MenusFigures,
    testing::Values(
        MenuAttendu{"strip",
                    [](TForm1 &f) -> QWidget * { return f.Image_michel_levy; },
                    618,
                    {Copier, Enregistrer, QStringLiteral("Enregistrer la charte de Michel-Lévy…"),
                     QStringLiteral("Enregistrer une planche…"),
                     QStringLiteral("Couleurs colorimétriques (CIE 1931, sRGB)"),
                     QStringLiteral("Source lumineuse"), QStringLiteral("Lame auxiliaire"),
                     QStringLiteral("Polariseurs"), QStringLiteral("Épaisseur de la lame… (30 µm)"),
                     QStringLiteral("Identifier une teinte…"), QStringLiteral("Platine tournante…"),
                     QStringLiteral("Figure d'interférence (conoscopie)…"), QString(),
                     QStringLiteral("Rétablir les réglages d'origine")}},
        MenuAttendu{
            "chart1", [](TForm1 &f) -> QWidget * { return f.Chart1; }, 100, {Copier, Enregistrer}},
        MenuAttendu{
            "chart2", [](TForm1 &f) -> QWidget * { return f.Chart2; }, 100, {Copier, Enregistrer}},
        // Every release on a light strip runs a chain: no menu there.
        MenuAttendu{
            "whiteLight", [](TForm1 &f) -> QWidget * { return f.Image_lumiere_blanche; }, 100, {}},
        MenuAttendu{"incidentLight",
                    [](TForm1 &f) -> QWidget * { return f.Image_lumiere_incidente; },
                    100,
                    {}}),
    [](const auto &info) { return std::string(info.param.nom); });

namespace {

struct Export {
    const char *nom;
    Controle controle;
    int entree; // in the control's menu
    const char *extension;
    int largeurPng;
    const char *parDefaut = "png";
    const char *retardMax = nullptr; // a table of its own, by 1 nm
};

void PrintTo(const Export &e, std::ostream *os) { *os << e.nom; }

class ExportFigures : public FenetreTest, public testing::WithParamInterface<Export> {};

// The file opens as what its extension says.
void verifieOuverture(const QString &nom, const Export &e)
{
    QFile f(nom);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << nom.toStdString();
    const QByteArray octets = f.readAll();
    const QString extension = QString::fromLatin1(e.extension);
    if (extension == QStringLiteral("png")) {
        const QImage image = QImage::fromData(octets, "PNG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), e.largeurPng);
    } else if (extension == QStringLiteral("svg")) {
        QXmlStreamReader xml(octets);
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.name(), QStringLiteral("svg"));
        EXPECT_LT(octets.size(), 5'000'000);
        while (!xml.atEnd())
            xml.readNext();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    } else if (const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
               pdftoppm.isEmpty()) { // no renderer (the Windows build): the file's frame at least
        EXPECT_TRUE(octets.startsWith("%PDF-1."));
        EXPECT_TRUE(octets.contains("/Page") && octets.contains("startxref"));
        EXPECT_TRUE(octets.trimmed().endsWith("%%EOF"));
    } else {
        const QString sortie = nom + QStringLiteral(".rendu");
        EXPECT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("20"),
                                               QStringLiteral("-png"),
                                               QStringLiteral("-singlefile"), nom, sortie}),
                  0);
        EXPECT_FALSE(QImage(sortie + QStringLiteral(".png")).isNull());
    }
}

} // namespace

TEST_P(ExportFigures, eachFormatOpens)
{
    const Export &e = GetParam();
    ouvre();
    if (e.retardMax) {
        tape(f().Edit1, QString::fromLatin1(e.retardMax), false);
        tape(f().Edit2, QStringLiteral("1"));
        ASSERT_EQ(tab_interferences.back().x, std::atoi(e.retardMax));
    }
    const QString nom = dossier() + QStringLiteral("/figure.") + QString::fromLatin1(e.extension);
    dialogues_.nomChoisi = nom;
    QMenu *menu = e.controle(f())->findChild<QMenu *>();
    ASSERT_TRUE(menu);
    menu->actions().at(e.entree)->trigger();
    ASSERT_TRUE(dialogues_.erreurs.empty()) << dialogues_.erreurs[0].toStdString();
    ASSERT_EQ(dialogues_.enregistrements.size(), 1u);
    EXPECT_EQ(dialogues_.enregistrements[0].extensionParDefaut, e.parDefaut);
    verifieOuverture(nom, e);
}

namespace {

QWidget *bande(TForm1 &f) { return f.Image_michel_levy; }
QWidget *chart1(TForm1 &f) { return f.Chart1; }
QWidget *chart2(TForm1 &f) { return f.Chart2; }

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Formats, ExportFigures,
    testing::Values(
        Export{"stripPng", bande, 1, "png", 4 * (1237 + 96)},
        Export{"stripSvg", bande, 1, "svg", 0}, Export{"stripPdf", bande, 1, "pdf", 0},
        Export{"strip1000000RowsSvg", bande, 1, "svg", 0, "png", "999999"},
        Export{"chart1Svg", chart1, 1, "svg", 0}, Export{"chart2Png", chart2, 1, "png", 4 * 720},
        Export{"chart2Svg", chart2, 1, "svg", 0}, Export{"chart2Pdf", chart2, 1, "pdf", 0},
        Export{"fullChartPng", bande, 2, "png", 3508}, Export{"fullChartSvg", bande, 2, "svg", 0},
        Export{"fullChartPdf", bande, 2, "pdf", 0}, Export{"sheetPdf", bande, 3, "pdf", 0, "pdf"},
        Export{"sheetPng", bande, 3, "png", 2480, "pdf"}),
    [](const auto &info) { return std::string(info.param.nom); });

using CopieFigures = FenetreTest;

TEST_F(CopieFigures, copyPutsThePictureOnTheClipboardAtScreenSize)
{
    ouvre();
    for (QWidget *controle :
         {static_cast<QWidget *>(f().Image_michel_levy), static_cast<QWidget *>(f().Chart2)}) {
        QApplication::clipboard()->clear();
        controle->findChild<QMenu *>()->actions().at(0)->trigger();
        const QImage copie = QApplication::clipboard()->image();
        // The figures at the screen's resolution: the strip keeps its pixels, framed.
        const bool bande = controle == f().Image_michel_levy;
        ASSERT_EQ(copie.size(), bande ? QSize(1237 + 96, 261) : QSize(720, 450));
        if (bande) {
            const QRgb c = copie.pixel(48 + 700, 84 + 50);
            EXPECT_EQ(CouleurValeur(qRed(c), qGreen(c), qBlue(c)),
                      f().Image_michel_levy->Pixel(700, 50));
        }
    }
    EXPECT_TRUE(dialogues_.enregistrements.empty());
}

namespace {

struct ChoixDialogue {
    const char *filtre;
    int descentes; // Down presses on the file type
    const char *tape;
    const char *attendu;
};

// Drives the real save dialog once it runs: picks the file type, types the name, Enter.
void repondAuDialogue(const ChoixDialogue &c)
{
    QTimer::singleShot(0, [c] {
        auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        auto *types = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < c.descentes; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        auto *nom = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        nom->setText(QString::fromUtf8(c.tape));
        QTest::keyClick(nom, Qt::Key_Return);
    });
}

} // namespace

TEST(DialogueEnregistrement, chosenFileTypeGivesItsExtensionToANameWithoutAnOfferedOne)
{
    QTemporaryDir dossier;
    Dialogues *avant = &dialogues();
    remplaceDialogues(nullptr); // the real dialog
    const char *figures = "Image PNG|*.png|Image vectorielle SVG|*.svg|Document PDF|*.pdf";
    for (const ChoixDialogue &c : {ChoixDialogue{figures, 2, "figure", "figure.pdf"},
                                   {figures, 0, "figure", "figure.png"},
                                   {figures, 0, "figure.svg", "figure.svg"},
                                   {figures, 1, "figure.jpg", "figure.jpg.svg"},
                                   {"Fichiers texte (*.txt)|*.TXT", 0, "liste.dat", "liste.dat"}}) {
        repondAuDialogue(c);
        const std::optional<QString> nom = dialogues().enregistrerSous(
            {QStringLiteral("png"), dossier.path(), QString::fromUtf8(c.filtre)});
        ASSERT_TRUE(nom) << c.tape;
        EXPECT_EQ(QFileInfo(*nom).fileName().toStdString(), c.attendu) << c.descentes;
    }
    remplaceDialogues(avant);
}
