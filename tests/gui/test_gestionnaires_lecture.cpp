// SPDX-License-Identifier: GPL-3.0-or-later
// The retardation readout under the pointer, the listing switch, and a window shrunk to
// almost nothing.
#include "FenetreTest.h"

#include "MichelLevySpectre.h"

#include <QApplication>
#include <QTest>

using Gestionnaires = FenetreTest;

TEST_F(Gestionnaires, readout_followsThePointerAndTheLastPress)
{
    ouvre();
    TImage *strip = f().Image_michel_levy;
    glisse(strip, Qt::NoButton, 618);
    EXPECT_EQ(f().Label18->text(), "1500 nm");
    glisse(strip, Qt::NoButton, 1236);
    EXPECT_EQ(f().Label18->text(), "3000 nm");
    presse(strip, Qt::RightButton, 618);
    EXPECT_EQ(f().x_origine, 618);
    glisse(strip, Qt::NoButton, 618);
    EXPECT_EQ(f().Label20->text(), "0");
    glisse(strip, Qt::NoButton, 0);
    EXPECT_EQ(f().Label20->text(), "-1500");
}

TEST_F(Gestionnaires, readout_reportsANonIntegerAtEachMovement)
{
    ouvre();
    glisse(f().Image_michel_levy, Qt::NoButton, 618);
    f().Edit1->setText("abc");
    glisse(f().Image_michel_levy, Qt::NoButton, 10);
    glisse(f().Image_michel_levy, Qt::NoButton, 20);
    ASSERT_EQ(dialogues_.erreurs.size(), 2u);
    EXPECT_EQ(dialogues_.erreurs[0],
              QString::fromUtf8("'abc' n'est pas une valeur entière correcte."));
    EXPECT_EQ(f().Label18->text(), "1500 nm");
}

TEST_F(Gestionnaires, checkBox_showsAndHidesTheListingColumn)
{
    ouvre();
    f().CheckBox1->setChecked(true);
    EXPECT_TRUE(f().BitBtn1->isVisible());
    EXPECT_TRUE(f().memo_interferences->isVisible());
    EXPECT_EQ(f().memo_interferences->lignes(), QStringList{"memo_interferences"});
    f().Button1->click();
    EXPECT_EQ(f().memo_interferences->nombreLignes(), 502);
    EXPECT_EQ(f().Label12->text(), "501 valeurs");
    f().CheckBox1->setChecked(false);
    EXPECT_FALSE(f().BitBtn1->isVisible());
    EXPECT_TRUE(f().CheckBox1->isVisible());
}

TEST_F(Gestionnaires, narrowWindow_keepsStepsAndReadoutDefined)
{
    ouvre();
    f().resize(20, 200);
    EXPECT_EQ(f().Image_michel_levy->width(), 0);
    f().TrackBar1->setValue(1000);
    EXPECT_EQ(f().Edit2->text(), "3000");
    glisse(f().Image_michel_levy, Qt::NoButton, 0);
    EXPECT_EQ(f().Label18->text(), "0 nm");
    f().resize(TForm1::LargeurClient + 100, TForm1::HauteurClient);
    EXPECT_EQ(f().Image_michel_levy->width(), 1337);
    EXPECT_TRUE(dialogues_.erreurs.empty());
}
