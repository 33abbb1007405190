// SPDX-License-Identifier: GPL-3.0-or-later
// The conoscope's window, opened from the strip's menu.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"

#include "MichelLevySpectre/figureconoscopique/FenetreConoscopie.h"
#include "MichelLevySpectre/figureconoscopique/VueConoscopique.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <algorithm>

using Conoscopie = FenetreTest;

TEST_F(Conoscopie, opensFromTheMenu_plateAndStageRedraw_badInputSaidInFrench_exercise)
{
    ouvre();
    FenetreConoscopie &w = ouvreDuMenu<FenetreConoscopie>("Figure d'interférence (conoscopie)…");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Figure d'interférence (conoscopie)"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(w.titre(), QString::fromUtf8("Calcite (uniaxe −) : figure d'interférence"));
    const QImage sansLame = w.vue()->figure();
    ASSERT_FALSE(sansLame.isNull());
    const int c = sansLame.width() / 2;
    EXPECT_LT(qGray(sansLame.pixel(c, c)), 10); // the dark centre
    w.choixLame()->setCurrentIndex(1);
    EXPECT_NE(w.vue()->figure(), sansLame);
    EXPECT_TRUE(w.sousTitre().contains(QString::fromUtf8("lame λ (551 nm)")));
    // The wedge pushed in moves the isochromes.
    w.choixLame()->setCurrentIndex(3);
    const QImage biseau0 = w.vue()->figure();
    w.curseurBiseau()->setValue(800);
    EXPECT_NE(w.vue()->figure(), biseau0);
    QTest::keyClick(w.vue(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(w.etat().grain.orientation.platine, 10);
    for (const auto &[champ, tape, dit] :
         {std::tuple{w.champMineral(), "kryptonite", "n'est pas dans la table"},
          {w.champIndices(), "1.6,1.5,1.7", "dans l'ordre croissant"},
          {w.champOuverture(), "1.5", "n'est pas une ouverture numérique de 0,05 à 1"},
          {w.champEpaisseur(), "0", "n'est pas une épaisseur"}}) {
        saisit(champ, tape);
        EXPECT_TRUE(w.message().contains(QString::fromUtf8(dit))) << w.message().toStdString();
    }
    EXPECT_EQ(w.etat().mineral, "calcite");
    saisit(w.champIndices(), "1,560 ; 1,594 ; 1,600");
    EXPECT_TRUE(w.message().isEmpty());
    EXPECT_TRUE(w.lecture().contains(QString::fromUtf8("biaxe −"))) << w.lecture().toStdString();

    // The exercise hides the name until answered, then says why.
    w.boutonExercice()->click();
    EXPECT_EQ(w.champMineral()->text(), QStringLiteral("?"));
    EXPECT_FALSE(w.titre().contains(QString::fromStdString(w.etat().mineral)));
    EXPECT_FALSE(w.boutonRepondre()->isEnabled());
    w.reponseCaractere()->setCurrentIndex(1);
    w.reponseSigne()->setCurrentIndex(1);
    w.reponseDeuxV()->setCurrentIndex(1);
    w.boutonRepondre()->click();
    EXPECT_TRUE(w.verdict().contains(QString::fromUtf8("C'était : ") +
                                     QString::fromStdString(w.etat().mineral)))
        << w.verdict().toStdString();
    saisit(w.champMineral(), "quartz"); // another grain: the old verdict goes
    EXPECT_TRUE(w.verdict().isEmpty());
    EXPECT_TRUE(dialogues_.erreurs.empty());
}

// In monochromatic light the isochromes are dark rings of one hue: along a diagonal, away from
// the isogyres, the light falls to black again and again, and never turns blue.
TEST_F(Conoscopie, monochromaticLightHasDarkRingsOfOneHue_andTheFigureIsSaved)
{
    ouvre();
    FenetreConoscopie &w = ouvreDuMenu<FenetreConoscopie>("Figure d'interférence (conoscopie)…");
    bool blanche = true;
    const auto anneauxNoirs = [&w, &blanche] {
        const QImage f = w.vue()->figure();
        const int c = f.width() / 2;
        int noirs = 0;
        bool clair = false;
        for (int d = 0; d < int(0.65 * c); ++d) {
            const QColor p = f.pixelColor(c + d, c - 1 - d);
            const int v = std::max({p.red(), p.green(), p.blue()});
            if (v > 100) {
                EXPECT_TRUE(blanche || (p.red() >= p.green() && p.green() >= p.blue())) << d;
                clair = true;
            } else if (v < 25 && clair) {
                ++noirs;
                clair = false;
            }
        }
        return noirs;
    };
    const int enBlanche = anneauxNoirs();
    blanche = false;
    w.choixLumiere()->setCurrentIndex(1); // the sodium line at first
    EXPECT_GE(anneauxNoirs(), 2);         // Δ = λ and 2λ within the field
    EXPECT_EQ(enBlanche, 0);

    for (const char *extension : {"png", "pdf"}) {
        const QString nom = dossier() + QStringLiteral("/figure.") + QLatin1String(extension);
        dialogues_.nomChoisi = nom;
        w.enregistre();
        QFile fichier(nom);
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly)) << extension;
        const QByteArray debut = fichier.read(8);
        EXPECT_TRUE(debut.startsWith(QByteArray::fromHex("89504e47")) || debut.startsWith("%PDF"))
            << extension;
    }
    EXPECT_TRUE(dialogues_.erreurs.empty());
}
