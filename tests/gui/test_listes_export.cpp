// SPDX-License-Identifier: GPL-3.0-or-later
// Listings in the memos and the export of the interference listing.
#include "Aides.h"
#include "FenetreTest.h"

#include "MichelLevySpectre.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <qcustomplot.h>

class Listes : public FenetreTest {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        ouvre();
        f().CheckBox1->setChecked(true);
    }
};

TEST_F(Listes, switchOff_leavesTheMemosUntouched)
{
    f().CheckBox1->setChecked(false);
    ListeFichier(f());
    ListeLumiere(f());
    ListeInterferences(f());
    EXPECT_EQ(f().memo_interferences->lignes(), QStringList{"memo_interferences"});
    EXPECT_EQ(f().Memo_lumiere->lignes(), QStringList{"Memo_lumiere"});
    EXPECT_EQ(f().Label12->text(), "n ---");
}

TEST_F(Listes, spectrumListings_roundSharesHalfToEven)
{
    tab_blanche[0] = {400, 1, 0.5, 126.5 / 255};
    tab_incidente[0] = tab_blanche[0];
    ListeFichier(f());
    ListeLumiere(f());
    EXPECT_EQ(f().Memo_fichier->lignes()[0], "lambda\tR\tG\tB");
    EXPECT_EQ(f().Memo_fichier->lignes()[1], "400\t255\t128\t126");
    EXPECT_EQ(f().Memo_fichier->nombreLignes(), 402);
    EXPECT_EQ(f().Memo_lumiere->lignes()[0], "i =0  255  128  126");
}

TEST_F(Listes, interferenceListing_halvesAwayFromZeroAndCount)
{
    tab_interferences = {{0, 0, 0, 0}, {10, 126.5, 127.5, 254.49}};
    ListeInterferences(f());
    EXPECT_EQ(f().memo_interferences->lignes(),
              (QStringList{"i\tretard(nm)\tR\tG\tB", "0\t0\t0\t0\t0", "1\t10\t127\t128\t254"}));
    EXPECT_EQ(f().Label12->text(), "2 valeurs");
    tab_interferences.clear();
    ListeInterferences(f());
    EXPECT_EQ(f().memo_interferences->nombreLignes(), 1);
    EXPECT_EQ(f().Label12->text(), "0 valeurs");
}

// The longest listing that the track bar or 50000 by 1 gives fits; a table of as many rows as
// the memo has lines (one more with the header) is refused with the message, and the table,
// the strip, the chart and the previous listing stay.
TEST_F(Listes, interferenceListing_fiftyThousandRowsFit_longerIsRefused)
{
    f().Edit1->setText("50000");
    tape(f().Edit2, "1");
    EXPECT_TRUE(dialogues_.erreurs.empty());
    ASSERT_EQ(f().memo_interferences->nombreLignes(), 50002);
    // The header and 65,535 rows fill the memo exactly.
    f().Edit1->setText(QString::number(CapaciteMemoLignes - 2));
    tape(f().Edit2, "1");
    EXPECT_TRUE(dialogues_.erreurs.empty());
    ASSERT_EQ(f().memo_interferences->nombreLignes(), CapaciteMemoLignes);
    f().Edit1->setText(QString::number(CapaciteMemoLignes - 1));
    tape(f().Edit2, "1");
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_EQ(dialogues_.erreurs[0], QString::fromUtf8("Le texte dépasse la capacité du mémo"));
    EXPECT_EQ(qint64(tab_interferences.size()), CapaciteMemoLignes);
    EXPECT_EQ(f().Label21->text(), QString::number(CapaciteMemoLignes));
    EXPECT_EQ(f().Chart2->graph(0)->dataCount(), CapaciteMemoLignes);
    // No earlier listing stays to be saved as this table's.
    EXPECT_EQ(f().memo_interferences->nombreLignes(), 0);
    dialogues_.nomChoisi = dossier() + "/liste.txt";
    f().BitBtn1->click();
    EXPECT_TRUE(dialogues_.questions.empty());
    EXPECT_TRUE(dialogues_.enregistrements.empty());
    ASSERT_EQ(dialogues_.messages.size(), 1u);
    EXPECT_TRUE(dialogues_.messages[0].startsWith("Rien à enregistrer"));
    EXPECT_FALSE(QFile::exists(*dialogues_.nomChoisi));
}

TEST_F(Listes, save_asksWithTheNoteThenWritesCrLfSingleByte)
{
    f().Button1->click(); // 501 rows, step 6
    const QString fichier = dossier() + "/sortie.txt";
    dialogues_.nomChoisi = fichier;
    f().BitBtn1->click();
    ASSERT_EQ(dialogues_.questions.size(), 1u);
    EXPECT_EQ(dialogues_.questions[0],
              QString::fromUtf8("  (il est possible de diminuer le pas à 1 pour une plus grande "
                                "résolution de 3000)           \n\n\n  Enregistrer les 501 "
                                "interférences  ?  "));
    ASSERT_EQ(dialogues_.enregistrements.size(), 1u);
    const OptionsEnregistrement &o = dialogues_.enregistrements[0];
    EXPECT_EQ(o.extensionParDefaut, "txt");
    EXPECT_EQ(o.filtre, "Fichiers texte (*.txt)|*.TXT");
    EXPECT_EQ(o.dossierInitial, QCoreApplication::applicationDirPath());
    const QByteArray octets = contenu(fichier);
    EXPECT_TRUE(octets.startsWith("i\tretard(nm)\tR\tG\tB\r\n0\t0\t0\t0\t0\r\n1\t6\t"));
    EXPECT_TRUE(octets.endsWith("\r\n"));
    EXPECT_EQ(octets.count("\r\n"), 502);
    EXPECT_EQ(octets.count('\n'), 502);
}

TEST_F(Listes, save_stepOneHasNoNoteAndInitialMemoSavesItsOneLine)
{
    f().Edit1->setText("100");
    f().Edit2->setText("1");
    LitParametres(f());
    const QString fichier = dossier() + QString::fromUtf8("/é.txt");
    dialogues_.nomChoisi = fichier;
    EnregistreInterferences(f());
    ASSERT_EQ(dialogues_.questions.size(), 1u);
    EXPECT_EQ(dialogues_.questions[0], QString::fromUtf8("  Enregistrer les 0 interférences  ?  "));
    EXPECT_EQ(contenu(fichier), "memo_interferences\r\n");
}

TEST_F(Listes, save_editedMemoWritesCodePage1252)
{
    f().memo_interferences->remplaceLignes({QString::fromUtf8("é€"), "b"});
    const QString fichier = dossier() + "/cp.txt";
    dialogues_.nomChoisi = fichier;
    EnregistreInterferences(f());
    // é and € are the single bytes 0xE9 and 0x80 of code page 1252.
    const char cp1252[] = {char(0xE9), char(0x80), '\r', '\n', 'b', '\r', '\n'};
    EXPECT_EQ(contenu(fichier), QByteArray(cp1252, sizeof cp1252));
}

TEST_F(Listes, save_noOrCancelWritesNothing)
{
    const QString fichier = dossier() + "/rien.txt";
    dialogues_.nomChoisi = fichier;
    dialogues_.reponseConfirmation = false;
    f().BitBtn1->click();
    EXPECT_TRUE(dialogues_.enregistrements.empty());
    dialogues_.reponseConfirmation = true;
    dialogues_.nomChoisi.reset();
    f().BitBtn1->click();
    EXPECT_EQ(dialogues_.enregistrements.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(fichier));
    EXPECT_TRUE(dialogues_.erreurs.empty());
}

TEST_F(Listes, save_replacesAnExistingFile)
{
    const QString fichier = dossier() + "/ancien.txt";
    ecrit("ancien.txt", QByteArray(10000, 'x'));
    dialogues_.nomChoisi = fichier;
    f().Button1->click();
    f().BitBtn1->click();
    EXPECT_TRUE(contenu(fichier).startsWith("i\tretard(nm)"));
    EXPECT_FALSE(contenu(fichier).contains('x'));
}
