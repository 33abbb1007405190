// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: creation reads the rainbow file, the first activation sets everything up.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"

#include <QApplication>

using Demarrage = FenetreTest;

TEST_F(Demarrage, firstActivation_setsTrackBarStepAndFirstTable)
{
    ouvre();
    EXPECT_TRUE(dialogues_.messages.empty());
    EXPECT_EQ(f().Image_michel_levy->width(), 1237);
    EXPECT_EQ(f().TrackBar1->value(), 3000);
    EXPECT_EQ(f().Edit1->text(), "3000");
    EXPECT_EQ(f().Edit2->text(), "6");
    EXPECT_EQ(tab_interferences.size(), 501u);
    EXPECT_EQ(f().Label6->text(), "501");
    EXPECT_EQ(f().Label21->text(), "501");
    EXPECT_TRUE(f().BitBtn_blanche->font().bold());
    EXPECT_FALSE(f().BitBtn_laser->font().bold());
    for (QWidget *w : {static_cast<QWidget *>(f().Edit3), static_cast<QWidget *>(f().Edit4),
                       static_cast<QWidget *>(f().Label13)})
        EXPECT_FALSE(w->isVisible());
    for (QWidget *w :
         {static_cast<QWidget *>(f().Memo_fichier), static_cast<QWidget *>(f().Memo_lumiere),
          static_cast<QWidget *>(f().memo_interferences), static_cast<QWidget *>(f().Label1),
          static_cast<QWidget *>(f().Label9), static_cast<QWidget *>(f().Label17),
          static_cast<QWidget *>(f().BitBtn1), static_cast<QWidget *>(f().Label15),
          static_cast<QWidget *>(f().Label21)})
        EXPECT_FALSE(w->isVisible());
    const QString formule = f().Label19->text();
    EXPECT_EQ(formule, "Somme des 0.5(1 + Cos(Phi)) = Sqr(Cos(Phi / 2))\n\n"
                       " avec Phi = 2.pi.Retard / Lambda ");
    EXPECT_EQ(formule.size(), 82);
}

TEST_F(Demarrage, creation_readsTheStandardFileBeforeActivation)
{
    ouvre(true, false);
    EXPECT_EQ(f().Label8->text(),
              QString::fromUtf8("Lumière blanche   400 - 800 nm  fichier :401 valeurs  =>  "
                                "array[0..400] "));
    EXPECT_EQ(f().Label9->text(), "401 valeurs");
    EXPECT_EQ(f().Label1->text(), " fichier ");
    EXPECT_EQ(f().Label10->text(), "401 valeurs");
    EXPECT_EQ(lambda_min, 400);
    EXPECT_EQ(lambda_max, 800);
    ASSERT_EQ(tab_blanche.size(), 401u);
    EXPECT_EQ(tab_blanche[0].x, 400);
    EXPECT_EQ(tab_blanche[400].x, 800);
    EXPECT_EQ(f().Memo_fichier->nombreLignes(), 402);
    // Activation has not run: neither light button is bold, so the light reads as white.
    EXPECT_FALSE(f().BitBtn_laser->font().bold());
    EXPECT_FALSE(f().BitBtn_blanche->font().bold());
    EXPECT_TRUE(tab_interferences.empty());
}

TEST_F(Demarrage, missingFile_reportsItAndLeavesABlackSpectrum)
{
    ouvre(false);
    ASSERT_EQ(dialogues_.messages.size(), 1u);
    EXPECT_EQ(dialogues_.messages[0], "fichier rgb-arc-en-ciel.txt introuvable");
    EXPECT_EQ(f().Label9->text(), "0 valeurs");
    EXPECT_EQ(f().Memo_fichier->lignes(), QStringList{"Memo_fichier"});
    ASSERT_EQ(tab_blanche.size(), 401u);
    for (const RetardCouleur &e : tab_blanche)
        EXPECT_TRUE(e.x == 0 && e.R == 0 && e.G == 0 && e.B == 0);
    EXPECT_EQ(f().Image_lumiere_blanche->Pixel(300, 30), 0u);
    // The sweep of an unfilled spectrum stays finite.
    for (const RetardCouleur &l : tab_interferences)
        EXPECT_TRUE(std::isfinite(l.R) && std::isfinite(l.G) && std::isfinite(l.B));
    EXPECT_TRUE(dialogues_.erreurs.empty());
}

TEST_F(Demarrage, rejectedHeader_showsTheFileAndLeavesTheTableUntouched)
{
    ecrit("rgb-arc-en-ciel.txt", "x;R;G;B\r\n400\t1\t2\t3\r\n401\t1\t2\t3\r\n");
    ouvre(false);
    ASSERT_EQ(dialogues_.messages.size(), 1u);
    EXPECT_EQ(dialogues_.messages[0], "x R G B  rgb-arc-en-ciel.txt incompatible");
    EXPECT_EQ(f().Memo_fichier->lignes(), (QStringList{"x;R;G;B", "400\t1\t2\t3", "401\t1\t2\t3"}));
    EXPECT_EQ(f().Label9->text(), "2 valeurs");
    EXPECT_EQ(tab_blanche[0].x, 0);
}

TEST_F(Demarrage, memoShowsExactlyTheFileLines_whateverTheLineEnds)
{
    ecrit("rgb-arc-en-ciel.txt", "x\tR\tG\tB\r400\t255\t0\t0\n\n401\t0\t255\t0\r\n");
    ouvre(false, false);
    EXPECT_TRUE(dialogues_.messages.empty());
    EXPECT_EQ(f().Memo_fichier->lignes(),
              (QStringList{"x\tR\tG\tB", "400\t255\t0\t0", "", "401\t0\t255\t0"}));
    EXPECT_EQ(f().Label9->text(), "3 valeurs");
}

TEST_F(Demarrage, fileLargerThanTheMemo_givesTheCapacityError)
{
    ecrit("rgb-arc-en-ciel.txt", QByteArray(CapaciteMemoOctets + 1, 'a'));
    ouvre(false, false);
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_EQ(dialogues_.erreurs[0], QString::fromUtf8("Le texte dépasse la capacité du mémo"));
    EXPECT_EQ(f().Memo_fichier->lignes(), QStringList{"Memo_fichier"});
}

TEST_F(Demarrage, folderInsteadOfFile_isNotFound)
{
    QDir(dossier()).mkdir("rgb-arc-en-ciel.txt");
    ouvre(false, false);
    ASSERT_EQ(dialogues_.messages.size(), 1u);
    EXPECT_EQ(dialogues_.messages[0], "fichier rgb-arc-en-ciel.txt introuvable");
}
