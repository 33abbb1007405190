// Rainbow files that the memo cannot take: far too large, or not a regular file. Each
// gives its error box at once; nothing is read into memory and the table stays blank.
#include "FenetreTest.h"
#include "Memoire.h"

#include "MichelLevySpectre/MichelLevySpectre.h"

#include <QFile>

#include <sys/stat.h>

class FichiersLimites : public FenetreTest {
protected:
    void verifieTableVierge()
    {
        EXPECT_EQ(f().Memo_fichier->lignes(), QStringList{"Memo_fichier"});
        ASSERT_EQ(tab_blanche.size(), 401u);
        for (const RetardCouleur &e : tab_blanche)
            ASSERT_TRUE(e.x == 0 && e.R == 0 && e.G == 0 && e.B == 0);
    }
};

TEST_F(FichiersLimites, fiftyMegabytes_capacityErrorWithoutReadingIt)
{
    ouvre();
    const QStringList fichierStandard = f().Memo_fichier->lignes();
    QFile gros(dossier() + "/rgb-arc-en-ciel.txt");
    ASSERT_TRUE(gros.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_TRUE(gros.resize(50LL << 20)); // sparse: costs no disk
    gros.close();
    const long avant = residentOctets();
    f().BitBtn_blanche->click();
    const long croissance = residentOctets() - avant;
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_EQ(dialogues_.erreurs[0], QString::fromUtf8("Le texte dépasse la capacité du mémo"));
    EXPECT_EQ(f().Memo_fichier->lignes(), fichierStandard);
    // Even the memo's capacity (4 MiB) read into memory would show here.
    EXPECT_LT(croissance, 2L << 20);
}

TEST_F(FichiersLimites, fifo_readErrorInsteadOfWaitingForAWriter)
{
    ASSERT_EQ(mkfifo((dossier() + "/rgb-arc-en-ciel.txt").toLocal8Bit().constData(), 0644), 0);
    ouvre(false, false);
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_EQ(dialogues_.erreurs[0], "Impossible de lire le fichier rgb-arc-en-ciel.txt");
    EXPECT_TRUE(dialogues_.messages.empty());
    verifieTableVierge();
}

TEST_F(FichiersLimites, endlessDevice_readErrorInsteadOfReadingForever)
{
    ASSERT_TRUE(QFile::link("/dev/zero", dossier() + "/rgb-arc-en-ciel.txt"));
    ouvre(false, false);
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_EQ(dialogues_.erreurs[0], "Impossible de lire le fichier rgb-arc-en-ciel.txt");
    verifieTableVierge();
}
