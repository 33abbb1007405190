// SPDX-License-Identifier: GPL-3.0-or-later
// The identification window's settings: the thickness entry, the white reference under a
// 3200 K lamp, the readings, the quartz calibration and the zoom.
#include "FenetreTest.h"
#include "PhotographieSynthetique.h"

#include "MichelLevySpectre.h"
#include "MichelLevySpectre/identification/FenetreIdentification.h"
#include "MichelLevySpectre/identification/VuePhotographie.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/reglages/Reglages.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using Identification = FenetreTest;

TEST_F(Identification, thicknessEntryNamesItsValueAndKeepsItOnBadText)
{
    ouvre();
    const QList<QAction *> entrees = f().MenuMichelLevy->actions();
    QAction *entree = *std::find_if(entrees.begin(), entrees.end(), [](QAction *a) {
        return a->text().startsWith(QString::fromUtf8("Épaisseur"));
    });
    EXPECT_EQ(entree->text(), QString::fromUtf8("Épaisseur de la lame… (30 µm)"));
    dialogues_.saisie = QStringLiteral("abc");
    entree->trigger();
    ASSERT_EQ(dialogues_.messages.size(), 1u);
    EXPECT_EQ(dialogues_.messages[0],
              QString::fromUtf8("« ") + QChar(0x2068) + "abc" + QChar(0x2069) +
                  QString::fromUtf8(" » n'est pas une épaisseur de 1 à 1000 µm : "
                                    "l'épaisseur reste de 30 µm."));
    dialogues_.saisie = QStringLiteral("45");
    entree->trigger();
    emit f().MenuMichelLevy->aboutToShow();
    EXPECT_EQ(entree->text(), QString::fromUtf8("Épaisseur de la lame… (45 µm)"));
    EXPECT_DOUBLE_EQ(f().reglages().epaisseur(), 45);
}

// Under a 3200 K lamp seen by a daylight camera: Ctrl+B and a click on the neutral patch
// balance the photograph; the reading, a new photograph, the quartz and the zoom behave.
TEST_F(Identification, whiteReferenceReadingsQuartzAndZoomInTheWindow)
{
    ouvre();
    FenetreIdentification &w = ouvreDuMenu<FenetreIdentification>(EntreeIdentification);
    const QString lampe = dossier() + "/lampe.png", autre = dossier() + "/autre.png";
    ASSERT_TRUE(photographie(false, {1.0, true, true}).save(lampe));
    ASSERT_TRUE(photographie(false, Camera).save(autre));
    w.ouvrePhotographie(lampe);
    const auto clique = [&](int x, int y) {
        QTest::mouseClick(w.vue(), Qt::LeftButton, {}, w.vue()->pointDuPixel(x, y));
    };
    const int i = 16; // 850 nm, second order (900 nm falls 60 nm off under this lamp)
    clique(i % 11 * Cote + Cote / 2, i / 11 * Cote + Cote / 2);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keySequence(w.windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_B));
    clique(BlancX, BlancY);
    EXPECT_TRUE(w.message().startsWith(QString::fromUtf8("Référence de blanc prise")));
    ASSERT_FALSE(w.resultats().empty()); // the colour taken is identified again, balanced
    EXPECT_NEAR(w.resultats()[0].candidat.retard, vrai(i), 20);
    EXPECT_TRUE(w.resultats()[0].auMoins);
    w.chercheMineral(QStringLiteral("Cyanite")); // by its synonym
    EXPECT_TRUE(w.message().startsWith(QString::fromUtf8("disthène : δ de 0,012 à 0,016 ; ")));
    w.choixLecture()->setCurrentIndex(1);
    EXPECT_FALSE(w.resultats()[0].auMoins);
    EXPECT_FALSE(w.tableau()->item(0, 3)->text().contains(QString::fromUtf8("≥")));

    const auto libelle = [&](const QString &debut) {
        const QList<QLabel *> l = w.findChildren<QLabel *>();
        return std::any_of(l.begin(), l.end(),
                           [&](QLabel *e) { return e->text().startsWith(debut); });
    };
    EXPECT_TRUE(libelle(QString::fromUtf8("Couleur : R ")));
    w.ouvrePhotographie(autre); // results and white reference belong to the photograph
    const double zoom = w.vue()->zoom();
    EXPECT_FALSE(libelle(QString::fromUtf8("Couleur : R "))); // and so does the last swatch
    EXPECT_TRUE(libelle(QString::fromUtf8("Zoom : %1 %").arg(std::lround(zoom * 100))));
    EXPECT_TRUE(w.resultats().empty());
    EXPECT_EQ(w.tableau()->rowCount(), 0);
    EXPECT_EQ(w.balanceBlancs().matrice, SansBalance);
    w.copieResultats();
    EXPECT_TRUE(w.message().startsWith(QString::fromUtf8("Aucun résultat à copier")));
    QTest::keySequence(w.windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_B));
    clique(BlancX + 2 * Cote, BlancY); // black
    EXPECT_TRUE(w.message().startsWith(QString::fromUtf8("La zone choisie est trop sombre")));
    QTest::keySequence(w.windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_B));
    clique(i % 11 * Cote + Cote / 2, i / 11 * Cote + Cote / 2); // second-order blue
    EXPECT_EQ(
        w.message(),
        QString::fromUtf8("La zone choisie est colorée : ce n'est pas une référence de blanc"));

    w.attendQuartz();
    clique(5 * Cote + Cote / 2, Cote / 2); // 300 nm: 300 / 0.009 nm = 33.3 µm
    EXPECT_NEAR(f().reglages().epaisseur(), 33.3, 0.3);
    EXPECT_EQ(w.champEpaisseur()->text().toStdString(), TexteEpaisseur(f().reglages().epaisseur()));

    // Ctrl+wheel: the pixel under the pointer stays under it once the view can scroll.
    w.vue()->changeZoom(4);
    QWidget *fenetre = w.vue()->parentWidget();
    const QPoint ici = fenetre->rect().center() + QPoint(100, 50);
    const QPointF avant = QPointF(w.vue()->mapFrom(fenetre, ici)) / w.vue()->zoom();
    for (int n = 0; n < 2; ++n) {
        const QPointF p = w.vue()->mapFrom(fenetre, ici);
        QWheelEvent roue(p, w.vue()->mapToGlobal(p), {}, {0, 120}, Qt::NoButton,
                         Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.vue(), &roue);
    }
    const QPointF apres = QPointF(w.vue()->mapFrom(fenetre, ici)) / w.vue()->zoom();
    EXPECT_NEAR(apres.x(), avant.x(), 1);
    EXPECT_NEAR(apres.y(), avant.y(), 1);
}
