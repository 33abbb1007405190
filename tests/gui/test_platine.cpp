// SPDX-License-Identifier: GPL-3.0-or-later
// The rotating stage's window, opened from the strip's menu.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"

#include "MichelLevySpectre/platine/ChampPlatine.h"
#include "MichelLevySpectre/platine/FenetrePlatine.h"
#include "MichelLevySpectre/platine/PolairePlatine.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

using Platine = FenetreTest;

TEST_F(Platine, opensFromTheMenu_extinctAt0_keysTurnIt_brightestAt45)
{
    ouvre();
    FenetrePlatine &w = ouvreDuMenu<FenetrePlatine>("Platine tournante…");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Platine tournante"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // the main window stays usable
    EXPECT_EQ(w.angle(), 0);
    EXPECT_EQ(w.vue().couleur, Rgb8{});
    EXPECT_TRUE(w.lecture().contains(QString::fromUtf8("extinction"))) << w.lecture().toStdString();
    QTest::keyClick(w.champ(), Qt::Key_Right);
    EXPECT_EQ(w.angle(), 1);
    QTest::keyClick(w.champ(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(w.angle(), 11);
    QTest::keyClick(w.champ(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(w.champ(), Qt::Key_Left);
    QTest::keyClick(w.champ(), Qt::Key_Left);
    EXPECT_EQ(w.angle(), 359); // past 0
    EXPECT_NE(w.vue().couleur, Rgb8{});
    w.choisitAngle(45);
    const std::vector<double> &tour = w.polaire()->tour();
    ASSERT_EQ(tour.size(), 360u);
    EXPECT_DOUBLE_EQ(w.vue().luminosite, *std::max_element(tour.begin(), tour.end()));
    EXPECT_EQ(QColor(w.vue().couleur.r, w.vue().couleur.g, w.vue().couleur.b),
              w.champ()->couleurGrain());
    // The lamp and the viewer are the strip's, followed at once.
    const Rgb8 sousE = w.vue().couleur;
    f().reglages().choisitMicroscope({SourceLumineuse::Halogene, Vision::AppareilLumiereDuJour});
    EXPECT_NE(w.vue().couleur, sousE);
    f().reglages().choisitMicroscope({});
    // The λ plate adds at 45° and subtracts at 135°.
    saisit(w.champRetard(), "300");
    w.choixLame()->setCurrentIndex(1);
    EXPECT_EQ(w.montage().retardLame, 551);
    EXPECT_TRUE(w.lecture().contains(QString::fromUtf8("2e ordre"))) << w.lecture().toStdString();
    w.choisitAngle(135);
    EXPECT_TRUE(w.lecture().contains(QString::fromUtf8("1er ordre"))) << w.lecture().toStdString();
    EXPECT_TRUE(dialogues_.erreurs.empty());
}

TEST_F(Platine, badInput_saysWhyInFrench_andKeepsTheOldValue)
{
    ouvre();
    FenetrePlatine &w = ouvreDuMenu<FenetrePlatine>("Platine tournante…");
    saisit(w.champRetard(), "620");
    w.choisitAngle(30);
    struct Cas {
        QLineEdit *champ;
        QString texte;
        QString message;
    };
    const QString longue(10000, QLatin1Char('x')), renverse = QChar(0x202E) + QStringLiteral("abc");
    const int largeur = w.width();
    for (const Cas &c :
         {Cas{w.champAngle(), "abc", "« abc » n'est pas un angle : la platine reste à 30°."},
          Cas{w.champRetard(), "99999", "« 99999 » n'est pas un retard de 0 à"},
          Cas{w.champBiseau(), "2500", "« 2500 » n'est pas un biseau de 0 à 2000 nm"},
          Cas{w.champMineral(), "kryptonite", "« kryptonite » n'est pas dans la table"},
          // Quoted up to 40 characters, and isolated so that it cannot turn the sentence round.
          Cas{w.champMineral(), longue, "« xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx… » n'est pas"},
          Cas{w.champRetard(), renverse, "« " + renverse + " » n'est pas un retard"}}) {
        const MontagePlatine avant = w.montage();
        c.champ->setText(c.texte);
        emit c.champ->editingFinished();
        const QString cite = w.message().section(QString::fromUtf8(" »"), 0, 0);
        EXPECT_TRUE(cite.endsWith(QChar(0x2069)) && cite.contains(QChar(0x2068)))
            << c.message.toStdString();
        EXPECT_TRUE(w.message().remove(QChar(0x2068)).remove(QChar(0x2069)).startsWith(c.message))
            << w.message().toStdString();
        EXPECT_EQ(w.montage(), avant) << c.message.toStdString();
    }
    QApplication::processEvents();
    EXPECT_EQ(w.width(), largeur);      // a long message wraps, the window keeps its width
    saisit(w.champMineral(), "quartz"); // δ 0,009 at 30 µm
    EXPECT_NEAR(w.retard(), 270, 1e-9);
    EXPECT_TRUE(w.message().isEmpty());
}

TEST_F(Platine, answer_measuresTheExtinctionAngle_andNamesTheElongation)
{
    ouvre();
    FenetrePlatine &w = ouvreDuMenu<FenetrePlatine>("Platine tournante…");
    w.choixExtinction()->setValue(20);
    EXPECT_TRUE(w.reponse().isEmpty());
    w.caseReponse()->setChecked(true);
    EXPECT_EQ(w.reponse(),
              QString::fromUtf8("Angle d'extinction mesuré : 20° ; allongement positif (lent)."));
    w.choixExtinction()->setValue(70);
    EXPECT_EQ(w.reponse(),
              QString::fromUtf8("Angle d'extinction mesuré : 20° ; allongement négatif (rapide)."));
    w.choisitAngle(20); // the slow direction at 90°: extinction
    EXPECT_EQ(w.vue().couleur, Rgb8{});
}

// A mineral of grains.tsv is its own grain: biotite in plane light darkest with its cleavage
// along the polariser, hornblende's twin individuals extinct apart, the plate's slow direction
// drawn; the exercise hides the name, the extinction and the turn, and says what was right.
TEST_F(Platine, mineralGrain_planeLightTwins_andTheExercise)
{
    ouvre();
    FenetrePlatine &w = ouvreDuMenu<FenetrePlatine>("Platine tournante…");
    saisit(w.champMineral(), "biotite");
    w.choixPolariseurs()->setCurrentIndex(2);
    w.choisitAngle(90);
    const double travers = w.vue().luminosite;
    w.choisitAngle(0);
    EXPECT_LT(w.vue().luminosite, travers);
    EXPECT_EQ(w.champ()->dessin().clivage, Clivage::Parfait);
    w.choixPolariseurs()->setCurrentIndex(0);
    saisit(w.champMineral(), "hornblende");
    w.choisitAngle(90 - w.choixExtinction()->value());
    EXPECT_EQ(w.vue().couleur, Rgb8{});
    EXPECT_NE(w.champ()->dessin().lamelles[1], QColor(Qt::black));
    EXPECT_FALSE(w.champ()->dessin().lame);
    w.choixLame()->setCurrentIndex(1);
    EXPECT_TRUE(w.champ()->dessin().lame);
    w.caseExercice()->setChecked(true);
    ASSERT_TRUE(w.exercice());
    EXPECT_FALSE(w.champMineral()->isVisible());
    EXPECT_FALSE(w.choixExtinction()->isVisible());
    EXPECT_FALSE(w.polaire()->isVisible());
    const std::string nom = w.exercice()->mineral.nom;
    w.repond({0, "", 0, nom});
    EXPECT_TRUE(w.correction().contains(QString::fromUtf8("minéral : juste"))) << nom;
    EXPECT_TRUE(w.correction().contains(QString::fromStdString("Réponse : " + nom)));
    w.repond({0, "", 0, "kryptonite"});
    EXPECT_TRUE(w.correction().contains(QString::fromUtf8("minéral : faux")));
    w.caseExercice()->setChecked(false);
    EXPECT_TRUE(w.polaire()->isVisible());
}
