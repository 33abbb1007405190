// SPDX-License-Identifier: GPL-3.0-or-later
// The writer's French reasons for common failures, and what it asks of the system: every
// sync checked, the folder synced after the rename, SIGXFSZ given back as it was.
#include "Aides.h"
#include "Disques.h"

#include "MichelLevySpectre/Erreur.h"
#include "toolkit/EcritureSysteme.h"
#include "toolkit/Fichiers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

// Failures the writer names itself, in French, for any file it is asked to save.
struct CasRaison {
    const char *nom;
    std::string chemin; // below a fresh folder holding "existe.txt/", "fichier" and "disque/"
    const char *raison;
    bool disqueEnLectureSeule = false; // "disque/" is then a read-only file system
};

void PrintTo(const CasRaison &c, std::ostream *os) { *os << c.nom; }

class RaisonEnFrancais : public testing::TestWithParam<CasRaison> {};

TEST_P(RaisonEnFrancais, namesTheCauseAndWritesNothing)
{
    const CasRaison &c = GetParam();
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QDir racine(dossier.path());
    racine.mkdir("existe.txt");
    racine.mkdir("disque");
    QFile(dossier.filePath("fichier")).open(QIODevice::WriteOnly);
    std::optional<PetitDisque> disque;
    if (c.disqueEnLectureSeule) {
        disque.emplace(dossier.filePath("disque"), "size=64k", MS_RDONLY);
        if (!disque->monte())
            GTEST_SKIP() << "no permission to mount a small disk here";
    }
    const QString nom = dossier.filePath(QString::fromStdString(c.chemin));
    try {
        EnregistreFichier(nom, "x\r\n");
        ADD_FAILURE() << "saved to " << nom.toStdString();
    } catch (const Erreur &e) {
        const QString texte = QString::fromUtf8(e.what());
        EXPECT_TRUE(texte.contains(nom)) << e.what();
        EXPECT_TRUE(texte.endsWith(" : " + QString::fromUtf8(c.raison) + ".")) << e.what();
    }
    EXPECT_EQ(racine.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"disque", "existe.txt", "fichier"}));
    EXPECT_TRUE(QDir(dossier.filePath("disque")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Causes, RaisonEnFrancais,
    testing::Values(CasRaison{"noSuchFolder", "absent/liste.txt", "dossier inexistant"},
                    CasRaison{"folderOfThatName", "existe.txt", "un dossier porte ce nom"},
                    CasRaison{"nameTooLong", std::string(300, 'n') + ".txt", "nom trop long"},
                    CasRaison{"fileInThePath", "fichier/liste.txt",
                              "un élément du chemin n'est pas un dossier"},
                    CasRaison{"readOnlyFileSystem", "disque/liste.txt",
                              "système de fichiers en lecture seule", true}),
    [](const auto &info) { return std::string(info.param.nom); });

namespace {

struct Synchronise {
    bool dossier;
    QByteArray cibleAlors; // the target's content at that moment
};
std::vector<Synchronise> synchronisations;
QString cibleObservee;

int echoueEnEntreeSortie(int)
{
    errno = EIO;
    return -1;
}

int observe(int fd)
{
    struct stat s {};
    fstat(fd, &s);
    synchronisations.push_back({S_ISDIR(s.st_mode), contenu(cibleObservee)});
    return ::fsync(fd);
}

void signalTaille(int) {}

} // namespace

// A failed sync keeps the old file; a good save syncs the new file, then the folder once the
// rename is done.
TEST(EcritureSysteme, syncFailureKeepsTheOldFile_andTheFolderIsSyncedAfterTheRename)
{
    QTemporaryDir dossier;
    cibleObservee = dossier.filePath("liste.txt");
    QFile ancien(cibleObservee);
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6);
    ancien.close();
    RemplaceSynchronisation(echoueEnEntreeSortie);
    EXPECT_THROW(EnregistreFichier(cibleObservee, "nouveau"), Erreur);
    EXPECT_EQ(contenu(cibleObservee), "ancien");
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"liste.txt"});
    synchronisations.clear();
    RemplaceSynchronisation(observe);
    EnregistreFichier(cibleObservee, "nouveau");
    RemplaceSynchronisation(nullptr);
    ASSERT_EQ(synchronisations.size(), 2u);
    EXPECT_FALSE(synchronisations[0].dossier);
    EXPECT_EQ(synchronisations[0].cibleAlors, "ancien");
    EXPECT_TRUE(synchronisations[1].dossier);
    EXPECT_EQ(synchronisations[1].cibleAlors, "nouveau");
}

// The writer ignores SIGXFSZ while it writes; afterwards the program's own handling is back,
// after a failed save as after a good one.
TEST(EcritureSysteme, fileSizeSignal_getsItsDispositionBack)
{
    QTemporaryDir dossier;
    struct sigaction propre {
    }, avant{}, apres{};
    propre.sa_handler = signalTaille;
    sigaction(SIGXFSZ, &propre, &avant);
    EnregistreFichier(dossier.filePath("a.txt"), "a");
    {
        const TailleLimitee limite(1);
        EXPECT_THROW(EnregistreFichier(dossier.filePath("b.txt"), "bb"), Erreur);
    }
    sigaction(SIGXFSZ, &avant, &apres);
    EXPECT_EQ(apres.sa_handler, signalTaille);
}

// Saves that once failed or harmed, as root: "neuf" (shorter: glibc's stand-in for fallocate then
// reads) saved to one name of a folder holding "f.txt" ("ancien"), links l1 → l2 → f.txt, and
// temporaries: ours two minutes old, ours new, old but not of our form. The umask is 027.
struct CasReussi {
    const char *nom;
    const char *sauve;
    mode_t dossier, fichier; // given before the save
    uid_t proprietaire;      // of f.txt (and its group), kept
    bool ordinaire;          // saved as an ordinary user
    bool ramfs;              // the folder on a file system that reserves no space
    mode_t mode;             // of the saved file after
    bool vieuxRetire;        // the old temporary of ours removed
};

void PrintTo(const CasReussi &c, std::ostream *os) { *os << c.nom; }

class EcritureReussie : public testing::TestWithParam<CasReussi> {};

TEST_P(EcritureReussie, savesThroughLinks_keepsAttributes_removesOnlyOurOldTemporaries)
{
    const CasReussi &c = GetParam();
    // As an ordinary user, the rows that need no other identity run with the user's own.
    const bool root = geteuid() == 0;
    if (!root && (c.proprietaire != 0 || c.ordinaire || c.ramfs))
        GTEST_SKIP() << "needs root";
    const uid_t proprietaire = root ? c.proprietaire : geteuid();
    const gid_t groupe = root ? c.proprietaire : getegid();
    QTemporaryDir t;
    const QDir d(t.path());
    std::optional<PetitDisque> disque;
    if (c.ramfs && !disque.emplace(t.path(), "", 0, "ramfs").monte())
        GTEST_SKIP() << "no permission to mount ramfs here";
    QStringList noms{".prismelle-Neuf12", ".prismelle-Vieux1", ".prismelle-vieux", "f.txt"};
    const timespec vieux[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 120, 0}};
    for (const QString &n : noms) {
        QFile q(d.filePath(n));
        ASSERT_TRUE(q.open(QIODevice::WriteOnly) && q.write("ancien") == 6);
        q.close();
        if (n.contains("ieux"))
            utimensat(AT_FDCWD, QFile::encodeName(q.fileName()).constData(), vieux, 0);
    }
    QFile::link("f.txt", d.filePath("l2"));
    QFile::link("l2", d.filePath("l1"));
    const QByteArray f = QFile::encodeName(d.filePath("f.txt")),
                     nom = QFile::encodeName(d.filePath(c.sauve));
    ASSERT_EQ(chown(f.constData(), proprietaire, groupe), 0);
    chmod(f.constData(), c.fichier);
    chmod(QFile::encodeName(t.path()).constData(), c.dossier);
    const mode_t masque = umask(027);
    {
        std::optional<IdentiteOrdinaire> ordinaire;
        if (c.ordinaire)
            ordinaire.emplace();
        EXPECT_NO_THROW(EnregistreFichier(d.filePath(c.sauve), "neuf"));
    }
    EXPECT_EQ(umask(masque), 027u);
    EXPECT_EQ(contenu(d.filePath(c.sauve)), "neuf");
    struct stat s {};
    ASSERT_EQ(stat(nom.constData(), &s), 0);
    EXPECT_EQ(s.st_mode & 07777, c.mode);
    EXPECT_EQ(s.st_uid, proprietaire);
    EXPECT_EQ(s.st_gid, groupe);
    EXPECT_EQ(QFile::symLinkTarget(d.filePath("l1")), d.filePath("l2"));
    EXPECT_EQ(QFile::symLinkTarget(d.filePath("l2")), d.filePath("f.txt"));
    if (c.vieuxRetire)
        noms.removeOne(".prismelle-Vieux1");
    noms << "l1"
         << "l2";
    if (c.sauve == std::string("n.txt"))
        noms << "n.txt";
    EXPECT_EQ(d.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              noms);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, EcritureReussie,
    testing::Values(
        CasReussi{"linkChain", "l1", 0700, 0640, 0, false, false, 0640, true},
        CasReussi{"otherOwner", "f.txt", 0700, 0604, 65534, false, false, 0604, true},
        CasReussi{"newFile", "n.txt", 0700, 0640, 0, false, false, 0640, true},
        CasReussi{"stickyFolder_otherUsersFile", "f.txt", 01777, 0666, 0, true, false, 0666, false},
        CasReussi{"ramfs", "f.txt", 0700, 0640, 0, false, true, 0640, true},
        CasReussi{"ramfs_readOnlyFolder", "f.txt", 0555, 0666, 0, true, true, 0666, false}),
    [](const auto &info) { return std::string(info.param.nom); });
