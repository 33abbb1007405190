// SPDX-License-Identifier: GPL-3.0-or-later
// Rainbow files that the memo cannot take: far too large, or not a regular file. Each
// gives its error box at once; nothing is read into memory and the table stays blank.
#include "FenetreTest.h"
#include "Memoire.h"

#include "MichelLevySpectre/MichelLevySpectre.h"

#include <QFile>

#include <functional>

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

// Fifty megabytes are refused unread; line breaks, a few bytes each in the file but some 440
// bytes each in the memo, are refused too.
TEST_F(FichiersLimites, tooLargeOrTooManyLines_capacityErrorWithoutLoadingIt)
{
    ouvre();
    const QStringList fichierStandard = f().Memo_fichier->lignes();
    const QString nom = dossier() + "/rgb-arc-en-ciel.txt";
    const auto cinquanteMo = [&] {
        QFile gros(nom);
        return gros.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               gros.resize(50LL << 20); // sparse: costs no disk
    };
    const auto sautsDeLigne = [&] {
        QFile fichier(nom);
        return fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               fichier.write(QByteArray(CapaciteMemoLignes + 1, '\n')) == CapaciteMemoLignes + 1;
    };
    const std::function<bool()> fichiers[] = {cinquanteMo, sautsDeLigne};
    std::size_t cas = 0;
    for (const std::function<bool()> &prepare : fichiers) {
        ASSERT_TRUE(prepare());
        const long avant = residentOctets();
        f().BitBtn_blanche->click();
        const long croissance = residentOctets() - avant;
        ASSERT_EQ(dialogues_.erreurs.size(), ++cas);
        EXPECT_EQ(dialogues_.erreurs.back(),
                  QString::fromUtf8("Le texte dépasse la capacité du mémo"));
        EXPECT_EQ(f().Memo_fichier->lignes(), fichierStandard);
        // The memo's capacity read into memory, or the lines kept, would show here.
        EXPECT_LT(croissance, 1L << 20) << "case " << cas;
    }
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
