// Saves that cannot complete: a read-only folder, a full disk, a write cut short. Each
// gives the error box; the old file keeps its content, no stray file is left beside it
// and the window is as it was.
#include "Aides.h"
#include "EtatCalcul.h"
#include "FenetreTest.h"

#include <QDir>
#include <QFile>

#include <csignal>

#include <sched.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Root passes every permission check; with another file-system identity it loses that
// override (Linux drops it with the identity), so a read-only folder is read-only again.
class IdentiteOrdinaire {
public:
    IdentiteOrdinaire()
    {
        if (geteuid() == 0)
            setfsuid(65534);
    }
    ~IdentiteOrdinaire()
    {
        if (geteuid() == 0)
            setfsuid(0);
    }
    IdentiteOrdinaire(const IdentiteOrdinaire &) = delete;
    IdentiteOrdinaire &operator=(const IdentiteOrdinaire &) = delete;
};

// Files of this process may not grow past `octets`; a write beyond fails (EFBIG) instead
// of raising SIGXFSZ.
class TailleLimitee {
public:
    explicit TailleLimitee(rlim_t octets)
    {
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        rlimit l = ancienne_;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~TailleLimitee()
    {
        setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, ancienSignal_);
    }
    TailleLimitee(const TailleLimitee &) = delete;
    TailleLimitee &operator=(const TailleLimitee &) = delete;

private:
    rlimit ancienne_{};
    void (*ancienSignal_)(int) = nullptr;
};

bool peutEcrireDans(const QString &dossier)
{
    QFile sonde(dossier + "/sonde");
    const bool ok = sonde.open(QIODevice::WriteOnly);
    if (ok)
        sonde.remove();
    return ok;
}

// A small disk of its own for a folder, in a private copy of the mount table so that
// nothing outside this process sees it; unmounted on leaving.
class PetitDisque {
public:
    PetitDisque(const QString &dossier, const char *taille) : chemin_(dossier.toLocal8Bit())
    {
        monte_ = unshare(CLONE_NEWNS) == 0 &&
                 mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                 mount("tmpfs", chemin_.constData(), "tmpfs", 0, taille) == 0;
    }
    ~PetitDisque()
    {
        if (monte_)
            umount2(chemin_.constData(), MNT_DETACH);
    }
    PetitDisque(const PetitDisque &) = delete;
    PetitDisque &operator=(const PetitDisque &) = delete;
    bool monte() const { return monte_; }

private:
    QByteArray chemin_;
    bool monte_ = false;
};

} // namespace

class EnregistrementEchoue : public FenetreTest {
protected:
    // A listing of 3001 rows (about 60 kB) in the memo, and an old file to protect.
    void prepare(const QString &sousDossier)
    {
        ouvre();
        f().CheckBox1->setChecked(true);
        f().Edit1->setText("3000");
        f().Edit2->setText("1");
        f().Button1->click();
        ASSERT_EQ(f().memo_interferences->nombreLignes(), 3002);
        QDir(dossier()).mkdir(sousDossier);
        cible_ = dossier() + "/" + sousDossier + "/garde.txt";
        ecrit(sousDossier + "/garde.txt", ancien);
        dialogues_.nomChoisi = cible_;
    }

    // Saves, then checks the error box, the old file, the folder and the window.
    void enregistreEtVerifie()
    {
        const QString dossierCible = QFileInfo(cible_).absolutePath();
        const QStringList fichiersAvant = QDir(dossierCible).entryList(QDir::Files | QDir::Hidden);
        const EtatCalcul avant = EtatCalcul::de(f());
        const QStringList memoAvant = f().memo_interferences->lignes();
        f().BitBtn1->click();
        ASSERT_EQ(dialogues_.erreurs.size(), 1u);
        EXPECT_TRUE(dialogues_.erreurs[0].contains("garde.txt"))
            << dialogues_.erreurs[0].toStdString();
        EXPECT_EQ(contenu(cible_), ancien);
        EXPECT_EQ(QDir(dossierCible).entryList(QDir::Files | QDir::Hidden), fichiersAvant);
        EXPECT_TRUE(memesAffichages(avant, EtatCalcul::de(f())));
        EXPECT_EQ(f().memo_interferences->lignes(), memoAvant);
        EXPECT_TRUE(dialogues_.messages.empty());
        EXPECT_EQ(dialogues_.questions.size(), 1u);
    }

    const QByteArray ancien = "ancien contenu\r\n";
    QString cible_;
};

TEST_F(EnregistrementEchoue, readOnlyFolder_reportsAndKeepsTheOldFile)
{
    prepare("lecture_seule");
    const QString protege = dossier() + "/lecture_seule";
    // Let the ordinary identity through the folders above (root's own groups still count).
    const auto lectureSeule = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                              QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                              QFileDevice::ReadOther | QFileDevice::ExeOther;
    QFile::setPermissions(dossier(), QFile::permissions(dossier()) | QFileDevice::ExeGroup |
                                         QFileDevice::ExeOther);
    QFile::setPermissions(protege, lectureSeule);
    {
        IdentiteOrdinaire ordinaire;
        ASSERT_FALSE(peutEcrireDans(protege)) << "the folder is writable: nothing would be tested";
        enregistreEtVerifie();
    }
    QFile::setPermissions(protege,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(EnregistrementEchoue, fullDisk_reportsAndKeepsTheOldFile)
{
    prepare("disque");
    const QString disque = dossier() + "/disque";
    PetitDisque petit(disque, "size=64k");
    if (!petit.monte())
        GTEST_SKIP() << "no permission to mount a small disk here";
    ecrit("disque/garde.txt", ancien);
    // Fill it to the last few kilobytes, less than the listing needs.
    QFile plein(disque + "/remplissage");
    ASSERT_TRUE(plein.open(QIODevice::WriteOnly));
    while (plein.write(QByteArray(4096, 'r')) == 4096 && plein.flush())
        ;
    plein.close();
    QFile::resize(disque + "/remplissage", plein.size() - 8192);
    enregistreEtVerifie();
}

TEST_F(EnregistrementEchoue, writeCutShort_reportsAndKeepsTheOldFile)
{
    prepare("coupe");
    TailleLimitee limite(16384);
    enregistreEtVerifie();
    ASSERT_EQ(dialogues_.erreurs.size(), 1u);
    EXPECT_TRUE(dialogues_.erreurs[0].contains(QString::fromUtf8("disque plein")))
        << dialogues_.erreurs[0].toStdString();
}
