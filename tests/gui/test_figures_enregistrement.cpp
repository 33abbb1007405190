// SPDX-License-Identifier: GPL-3.0-or-later
// Before the figure save dialog: what cannot be saved is said at once, and the dialog opens
// where the user keeps pictures, then where the last figure went.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"
#include "MichelLevySpectre/figures/Figures.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <qcustomplot.h>

#include <cstdlib>

using FiguresEnregistrement = FenetreTest;

TEST_F(FiguresEnregistrement, nothingToSaveIsSaidBeforeTheDialog_whichOpensInThePictures)
{
    QTemporaryDir maison;
    const QByteArray ancienneMaison = qgetenv("HOME");
    qputenv("HOME", maison.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME"); // the pictures folder is then ~/Pictures
    QDir(maison.path()).mkpath("Pictures");
    QDir(maison.path()).mkpath("ailleurs");
    ouvre();
    // A one-row table has no chart: refused before any name is asked.
    f().Edit1->setText("0");
    tape(f().Edit2, "1");
    ASSERT_EQ(tab_interferences.size(), 1u);
    EXPECT_THROW(EnregistreCharteMichelLevy(FenetrePourLesFigures(f())), Erreur);
    // An empty table has no strip to save.
    tab_interferences.clear();
    EnregistreImage(FenetrePourLesFigures(f()), f().Image_michel_levy);
    ASSERT_EQ(dialogues_.messages.size(), 1u);
    EXPECT_EQ(dialogues_.messages[0],
              QString::fromUtf8("Rien à enregistrer : le tableau des interférences est vide."));
    EXPECT_TRUE(dialogues_.enregistrements.empty());
    // The pictures folder first, then the folder of the last figure saved.
    dialogues_.nomChoisi = maison.filePath("ailleurs/courbes.png");
    EnregistreImage(FenetrePourLesFigures(f()), f().Chart1);
    EnregistreImage(FenetrePourLesFigures(f()), f().Chart1);
    ASSERT_EQ(dialogues_.enregistrements.size(), 2u);
#ifdef _WIN32
    // Windows names its pictures folder itself, whatever HOME says.
    const QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
#else
    const QString images = maison.filePath("Pictures");
#endif
    EXPECT_EQ(dialogues_.enregistrements[0].dossierInitial, images);
    EXPECT_EQ(dialogues_.enregistrements[1].dossierInitial, maison.filePath("ailleurs"));
    EXPECT_TRUE(QFileInfo::exists(*dialogues_.nomChoisi));
    qputenv("HOME", ancienneMaison);
}
