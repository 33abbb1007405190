// SPDX-License-Identifier: GPL-3.0-or-later
// Rainbow files that the memo cannot take: far too large, or not a regular file. Each
// gives its error box at once; nothing is read into memory and the table stays blank.
#include "FenetreTest.h"
#include "Memoire.h"

#include "MichelLevySpectre.h"

#include <QFile>

#include <QApplication>

#include <functional>

#include <sys/resource.h>
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

// The capacity edge is the same for every line end: a file of exactly 2 MiB or 65,536 lines
// is taken (its header is then refused as incompatible), one byte or one line more is not.
TEST_F(FichiersLimites, capacityEdge_sameRuleWhateverTheLineEnds)
{
    struct Cas {
        const char *fin;
        bool finale; // a break after the last line
        qint64 octets;
        qint64 lignes;
        bool accepte;
    };
    ouvre();
    const QString nom = dossier() + "/rgb-arc-en-ciel.txt";
    const qint64 octets = CapaciteMemoOctets, lignes = CapaciteMemoLignes;
    for (const Cas &c :
         {Cas{"\n", true, octets, 32768, true}, Cas{"\n", false, octets, 32768, true},
          Cas{"\r\n", true, octets, 32768, true}, Cas{"\r\n", false, octets, 32768, true},
          Cas{"\r", true, octets, 32768, true}, Cas{"\r", false, octets, 32768, true},
          Cas{"\n", true, octets + 1, 32768, false}, Cas{"\n", true, lignes, lignes, true},
          Cas{"\n", true, lignes + 1, lignes + 1, false}}) {
        const QByteArray fin(c.fin);
        // Lines of equal length; the first one takes what is left over.
        const qint64 breaks = c.finale ? c.lignes : c.lignes - 1;
        const qint64 texte = c.octets - breaks * fin.size();
        QByteArray fichier;
        for (qint64 i = 0; i < c.lignes; ++i) {
            const qint64 longueur = texte / c.lignes + (i == 0 ? texte % c.lignes : 0);
            fichier += QByteArray(longueur, 'a');
            if (i + 1 < c.lignes || c.finale)
                fichier += fin;
        }
        ASSERT_EQ(fichier.size(), c.octets);
        ecrit("rgb-arc-en-ciel.txt", fichier);
        dialogues_.erreurs.clear();
        dialogues_.messages.clear();
        f().BitBtn_blanche->click();
        const std::string quoi = QByteArray(c.fin).toHex().toStdString() +
                                 (c.finale ? " final " : " open ") + std::to_string(c.octets) +
                                 " bytes " + std::to_string(c.lignes) + " lines";
        EXPECT_EQ(dialogues_.erreurs.empty(), c.accepte) << quoi;
        if (c.accepte) {
            EXPECT_EQ(f().Memo_fichier->nombreLignes(), c.lignes) << quoi;
        }
    }
    QFile::remove(nom);
}

// The lines are counted before any is made: two million empty lines are refused for their
// number in a process that could not hold them all as lines.
TEST_F(FichiersLimites, millionsOfLines_refusedBeforeTheyAreMade)
{
#ifdef SANS_LIMITE_MEMOIRE
    GTEST_SKIP() << "no address-space limit under the address sanitizer";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ouvre();
    ecrit("rgb-arc-en-ciel.txt", QByteArray(CapaciteMemoOctets, '\n'));
    const auto sousLimite = [this] {
        rlimit l{};
        getrlimit(RLIMIT_AS, &l);
        l.rlim_cur = rlim_t(tailleVirtuelleOctets()) + (24u << 20);
        if (setrlimit(RLIMIT_AS, &l) != 0)
            std::_Exit(2);
        f().BitBtn_blanche->click();
        std::_Exit(dialogues_.erreurs == std::vector<QString>{QString::fromUtf8(
                                             "Le texte dépasse la capacité du mémo")}
                       ? 0
                       : 1);
    };
    EXPECT_EXIT(sousLimite(), ::testing::ExitedWithCode(0), "");
}
