// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that cannot complete: a read-only folder, a full disk, a file-size limit, for
// listings below and above Qt's 16 KiB write buffer. Each gives the error box with the
// reason in French; the old file keeps its content, no stray file is left beside it and
// the window is as it was. The writer's French reasons for the other common failures. And
// the save that must not fail: a writable file in a read-only folder, replaced in place.
#include "Aides.h"
#include "EtatCalcul.h"
#include "FenetreTest.h"

#include "Disques.h"

#include "toolkit/EcritureSysteme.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <optional>
#include <string>

#include <sys/stat.h>

namespace {

bool peutEcrireDans(const QString &dossier)
{
    QFile sonde(dossier + "/sonde");
    const bool ok = sonde.open(QIODevice::WriteOnly);
    if (ok)
        sonde.remove();
    return ok;
}

// Fills the disk under `dossier` up to its last `libres` bytes.
void remplit(const QString &dossier, qint64 libres)
{
    QFile plein(dossier + "/remplissage");
    ASSERT_TRUE(plein.open(QIODevice::WriteOnly));
    while (plein.write(QByteArray(4096, 'r')) == 4096 && plein.flush())
        ;
    plein.close();
    QFile::resize(plein.fileName(), plein.size() - libres);
}

ino_t inode(const QString &chemin)
{
    struct stat s {};
    return stat(chemin.toLocal8Bit().constData(), &s) == 0 ? s.st_ino : 0;
}

} // namespace

class Enregistrement : public FenetreTest {
protected:
    // A listing in the memo (`pas` 6: the start-up listing, 501 rows, about 10 kB; `pas` 1:
    // 3001 rows, about 60 kB), and an old file to protect in a folder of its own.
    void prepare(int pas)
    {
        ouvre();
        f().CheckBox1->setChecked(true);
        f().Edit1->setText("3000");
        f().Edit2->setText(QString::number(pas));
        f().Button1->click();
        ASSERT_EQ(f().memo_interferences->nombreLignes(), 3000 / pas + 2);
        QDir(dossier()).mkdir("cible");
        cible_ = dossierCible() + "/garde.txt";
        ecrit("cible/garde.txt", ancien);
        dialogues_.nomChoisi = cible_;
    }

    QString dossierCible() const { return dossier() + "/cible"; }

    // The target folder becomes read-only for an ordinary user (restored on tear-down).
    void dossierEnLectureSeule()
    {
        // Let the ordinary identity through the folders above (root's own groups still count).
        QFile::setPermissions(dossier(), QFile::permissions(dossier()) | QFileDevice::ExeGroup |
                                             QFileDevice::ExeOther);
        QFile::setPermissions(dossierCible(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther);
        lectureSeule_ = true;
    }

    void TearDown() override
    {
        if (lectureSeule_)
            QFile::setPermissions(dossierCible(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
        RemplaceReservation(nullptr);
        FenetreTest::TearDown();
    }

    // Saves, then checks the error box and its French reason, the old file, the folder and
    // the window.
    void enregistreEtVerifie(const char *raison)
    {
        const QStringList fichiersAvant =
            QDir(dossierCible()).entryList(QDir::Files | QDir::Hidden);
        const EtatCalcul avant = EtatCalcul::de(f());
        const QStringList memoAvant = f().memo_interferences->lignes();
        f().BitBtn1->click();
        ASSERT_EQ(dialogues_.erreurs.size(), 1u);
        EXPECT_TRUE(dialogues_.erreurs[0].contains("garde.txt"))
            << dialogues_.erreurs[0].toStdString();
        EXPECT_TRUE(dialogues_.erreurs[0].endsWith(QString::fromUtf8(" : ") + raison +
                                                   ".\nL'ancien fichier est inchangé."))
            << dialogues_.erreurs[0].toStdString();
        EXPECT_EQ(contenu(cible_), ancien);
        EXPECT_EQ(QDir(dossierCible()).entryList(QDir::Files | QDir::Hidden), fichiersAvant);
        EXPECT_TRUE(memesAffichages(avant, EtatCalcul::de(f())));
        EXPECT_EQ(f().memo_interferences->lignes(), memoAvant);
        EXPECT_TRUE(dialogues_.messages.empty());
        EXPECT_EQ(dialogues_.questions.size(), 1u);
    }

    const QByteArray ancien = "ancien contenu\r\n";
    QString cible_;
    bool lectureSeule_ = false;
};

enum class Cause { DisquePlein, TailleLimitee, DossierLectureSeule };

// The file itself may be writable in a folder that is not: it is then overwritten in place,
// also on a file system that cannot reserve space.
enum class Fichier { Protege, InscriptibleEnPlace, EnPlaceSansReservation };

struct CasEchec {
    const char *nom;
    int pas;
    Cause cause;
    qint64 octets; // free space left on the disk, or the file-size limit
    const char *raison;
    Fichier fichier = Fichier::Protege;
};

void PrintTo(const CasEchec &c, std::ostream *os) { *os << c.nom; }

class EnregistrementEchoue : public Enregistrement, public testing::WithParamInterface<CasEchec> {};

TEST_P(EnregistrementEchoue, reportsWhyAndKeepsTheOldFile)
{
    const CasEchec &c = GetParam();
    prepare(c.pas);
    std::optional<PetitDisque> disque;
    std::optional<TailleLimitee> limite;
    std::optional<IdentiteOrdinaire> ordinaire;
    if (c.fichier == Fichier::EnPlaceSansReservation)
        RemplaceReservation([](int, qint64) { return errno = EOPNOTSUPP, -1; });
    switch (c.cause) {
    case Cause::DisquePlein:
        disque.emplace(dossierCible(), "size=64k");
        if (!disque->monte())
            GTEST_SKIP() << "no permission to mount a small disk here";
        ecrit("cible/garde.txt", ancien);
        remplit(dossierCible(), c.octets);
        break;
    case Cause::TailleLimitee:
        limite.emplace(c.octets);
        break;
    case Cause::DossierLectureSeule:
        dossierEnLectureSeule();
        ordinaire.emplace();
        ASSERT_FALSE(peutEcrireDans(dossierCible())) << "the folder is writable: nothing tested";
        break;
    }
    if (c.fichier != Fichier::Protege) {
        // Writable by anyone: the ordinary identity keeps root's group, whose bits then count.
        QFile::setPermissions(cible_, QFile::permissions(cible_) | QFileDevice::WriteGroup |
                                          QFileDevice::WriteOther);
        dossierEnLectureSeule();
        ordinaire.emplace();
    }
    enregistreEtVerifie(c.raison);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, EnregistrementEchoue,
    testing::Values(CasEchec{"smallListing_noSpaceLeft", 6, Cause::DisquePlein, 0, "disque plein"},
                    CasEchec{"smallListing_diskFull", 6, Cause::DisquePlein, 8192, "disque plein"},
                    CasEchec{"largeListing_diskFull", 1, Cause::DisquePlein, 8192, "disque plein"},
                    CasEchec{"smallListing_fileSizeLimit", 6, Cause::TailleLimitee, 4096,
                             "fichier trop grand"},
                    CasEchec{"largeListing_fileSizeLimit", 1, Cause::TailleLimitee, 16384,
                             "fichier trop grand"},
                    CasEchec{"readOnlyFolder_fileNotWritable", 1, Cause::DossierLectureSeule, 0,
                             "permission refusée"},
                    CasEchec{"inPlace_fileSizeLimit", 1, Cause::TailleLimitee, 4096,
                             "fichier trop grand", Fichier::InscriptibleEnPlace},
                    CasEchec{"inPlace_diskFull", 1, Cause::DisquePlein, 8192, "disque plein",
                             Fichier::InscriptibleEnPlace},
                    CasEchec{"inPlace_noReservation_diskFull", 1, Cause::DisquePlein, 8192,
                             "disque plein", Fichier::EnPlaceSansReservation}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST_F(Enregistrement, readOnlyFolder_writableFileIsReplacedInPlace)
{
    prepare(6);
    // Writable by anyone: the ordinary identity keeps root's group, whose bits then count.
    QFile::setPermissions(cible_, QFile::permissions(cible_) | QFileDevice::WriteGroup |
                                      QFileDevice::WriteOther);
    const ino_t avant = inode(cible_);
    dossierEnLectureSeule();
    IdentiteOrdinaire ordinaire;
    ASSERT_FALSE(peutEcrireDans(dossierCible())) << "the folder is writable: nothing tested";
    f().BitBtn1->click();
    EXPECT_TRUE(dialogues_.erreurs.empty()) << dialogues_.erreurs.front().toStdString();
    const QByteArray octets = contenu(cible_);
    EXPECT_TRUE(octets.startsWith("i\tretard(nm)\tR\tG\tB\r\n0\t0\t"));
    EXPECT_EQ(octets.count("\r\n"), 502);
    EXPECT_EQ(inode(cible_), avant);
    EXPECT_EQ(QDir(dossierCible()).entryList(QDir::Files | QDir::Hidden), QStringList{"garde.txt"});
}
