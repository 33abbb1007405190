// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the listing on Windows: the old file is replaced whole, and the failures Windows
// has keep it as it was and say why in French (the system's own texts follow its language).
#include "Aides.h"
#include "FenetreTest.h"

#include <QDir>
#include <QFile>

namespace {

const QByteArray ancien = "ancien contenu\r\n";

struct CasWindows {
    const char *nom;
    const char *cible;                     // relative to the working folder
    void (*prepare)(const QString &cible); // what makes the save fail
    const char *raison;
};

void PrintTo(const CasWindows &c, std::ostream *os) { *os << c.nom; }

class EnregistrementWindows : public FenetreTest, public testing::WithParamInterface<CasWindows> {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        ouvre();
        f().CheckBox1->setChecked(true);
        f().Button1->click();
    }
    QString chemin(const char *relatif) const { return dossier() + "/" + relatif; }
};

} // namespace

TEST_F(EnregistrementWindows, replacesTheOldFileWholeAndLeavesNothingBeside)
{
    ecrit("liste.txt", ancien);
    dialogues_.nomChoisi = chemin("liste.txt");
    f().BitBtn1->click();
    EXPECT_TRUE(dialogues_.erreurs.empty());
    const QByteArray octets = contenu(chemin("liste.txt"));
    EXPECT_TRUE(octets.startsWith("i\tretard(nm)\t"));
    EXPECT_EQ(octets.count("\r\n"), f().memo_interferences->nombreLignes());
    EXPECT_EQ(QDir(dossier()).entryList({"liste*"}, QDir::Files | QDir::Hidden),
              QStringList{"liste.txt"});
}

TEST_P(EnregistrementWindows, keepsTheOldFileAndSaysWhyInFrench)
{
    const CasWindows &c = GetParam();
    ecrit("garde.txt", ancien);
    c.prepare(chemin(c.cible));
    const QStringList avant = QDir(dossier()).entryList(QDir::AllEntries | QDir::Hidden);
    dialogues_.nomChoisi = chemin(c.cible);
    f().BitBtn1->click();
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_TRUE(dialogues_.erreurs[0].contains(QString::fromUtf8(c.raison)))
        << dialogues_.erreurs[0].toStdString();
    EXPECT_EQ(contenu(chemin("garde.txt")), ancien);
    EXPECT_EQ(QDir(dossier()).entryList(QDir::AllEntries | QDir::Hidden), avant);
    QFile::setPermissions(chemin("garde.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Echecs, EnregistrementWindows,
    testing::Values(
        CasWindows{"readOnlyFile", "garde.txt",
                   [](const QString &c) { QFile::setPermissions(c, QFileDevice::ReadOwner); },
                   "permission refusée"},
        CasWindows{"missingFolder", "absent/liste.txt", [](const QString &) {},
                   "dossier inexistant"},
        CasWindows{"folderOfThatName", "dossier", [](const QString &c) { QDir().mkdir(c); },
                   "un dossier porte ce nom"}),
    [](const testing::TestParamInfo<CasWindows> &i) { return std::string(i.param.nom); });
