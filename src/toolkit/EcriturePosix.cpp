// SPDX-License-Identifier: GPL-3.0-or-later
// Saving on POSIX systems. A new file is written beside the old one at the end of any chain
// of links, given the old one's owner, group and mode, synced and renamed over it, then the
// folder is synced. When the folder refuses the new file or the rename (a folder the user may
// not write; a shared folder with the sticky bit) but the file is writable, the file is
// overwritten in place, but only once the size limit is checked and the space reserved:
// until the first byte is written, a failure leaves the old file as it was.
#include "toolkit/DossierPosix.h"
#include "toolkit/EcritureSysteme.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

Synchronisation synchronise = ::fsync;

// Linux's own call, not posix_fallocate: where the file system cannot reserve, glibc's
// stand-in reads the file, which a file opened to be written only refuses (EBADF).
int reservationSysteme(int fd, qint64 taille)
{
#ifdef __linux__
    return ::fallocate(fd, 0, 0, off_t(taille));
#else
    errno = ::posix_fallocate(fd, 0, off_t(taille));
    return errno == 0 ? 0 : -1;
#endif
}
Reservation reservation = reservationSysteme;

// French words for the failures a user meets when saving; the system's own text otherwise.
QString raisonDuCode(int code)
{
    switch (code) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case ENOENT:
        return QStringLiteral("dossier inexistant");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EROFS:
        return QStringLiteral("système de fichiers en lecture seule");
    case ENOSPC:
        return QStringLiteral("disque plein");
    case EDQUOT:
        return QStringLiteral("quota de disque dépassé");
    case EFBIG:
        return QStringLiteral("fichier trop grand");
    case ENAMETOOLONG:
        return QStringLiteral("nom trop long");
    case EISDIR:
        return QStringLiteral("un dossier porte ce nom");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie du disque");
    case ELOOP:
        return QStringLiteral("les liens symboliques forment une boucle");
    default:
        return QString::fromLocal8Bit(std::strerror(code));
    }
}

// Past a file-size limit the system kills the writer unless it ignores SIGXFSZ; ignored,
// the write fails with EFBIG and is reported like any other failure.
class SansSignalTaille {
public:
    SansSignalTaille()
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &avant_);
    }
    ~SansSignalTaille() { sigaction(SIGXFSZ, &avant_, nullptr); }
    SansSignalTaille(const SansSignalTaille &) = delete;
    SansSignalTaille &operator=(const SansSignalTaille &) = delete;

private:
    struct sigaction avant_ {};
};

class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descripteur(const Descripteur &) = delete;
    Descripteur &operator=(const Descripteur &) = delete;
    int fd() const { return fd_; }
    // The close's own error: some file systems report lost space only there.
    int ferme()
    {
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// EFBIG when the file-size limit is below the new size.
int depasseLimite(qint64 taille)
{
    rlimit l{};
    if (getrlimit(RLIMIT_FSIZE, &l) != 0 || l.rlim_cur == RLIM_INFINITY)
        return 0;
    return rlim_t(taille) > l.rlim_cur ? EFBIG : 0;
}

// The space taken before any old byte is touched. Where the file system cannot reserve
// (ramfs, NFSv3, FUSE, ext3), its free space is checked instead, beside the `dejaPris` bytes
// the file holds already; one that does not tell its size (ramfs) is let be.
int reserve(int fd, qint64 taille, qint64 dejaPris)
{
    if (taille == 0)
        return 0;
    int code = 0;
    while ((code = reservation(fd, taille) == 0 ? 0 : errno) == EINTR)
        ;
    if (code != EOPNOTSUPP && code != ENOSYS && code != EINVAL)
        return code;
    struct statvfs disque {};
    if (::fstatvfs(fd, &disque) != 0 || disque.f_blocks == 0)
        return 0;
    const qint64 libre = qint64(disque.f_bavail) * qint64(disque.f_frsize);
    return libre < taille - dejaPris ? ENOSPC : 0;
}

int ecritTout(int fd, const QByteArray &octets)
{
    for (qint64 fait = 0; fait < octets.size();) {
        const ssize_t n =
            ::pwrite(fd, octets.constData() + fait, size_t(octets.size() - fait), off_t(fait));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        fait += n;
    }
    return 0;
}

int synchroniseFichier(int fd)
{
    if (synchronise(fd) == 0)
        return 0;
    return errno == EINVAL ? 0 : errno; // a file system without sync
}

int synchroniseDossier(const QByteArray &dossier)
{
    Descripteur d(::open(dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.fd() < 0)
        return errno;
    return synchroniseFichier(d.fd());
}

// The old file's owner and group where the system allows it (root; a group the user is in),
// then its mode, which a change of owner would strip of its set-id bits. A new file gets the
// umask's mode.
int donneAttributs(int fd, const struct stat *ancien)
{
    if (!ancien)
        return ::fchmod(fd, ModeNouveauFichier()) == 0 ? 0 : errno;
    if (::fchown(fd, ancien->st_uid, ancien->st_gid) != 0 &&
        ::fchown(fd, uid_t(-1), ancien->st_gid) != 0) {
        // Neither: the new file is the user's own, in the user's group.
    }
    return ::fchmod(fd, ancien->st_mode & 07777) == 0 ? 0 : errno;
}

BilanEcriture echec(BilanEcriture::Etat etat, int code, bool ancienExiste)
{
    return {etat, raisonDuCode(code), ancienExiste};
}

// The old file overwritten from its first byte and cut to the new size.
BilanEcriture enPlace(const QByteArray &chemin, const QByteArray &octets, const struct stat &ancien)
{
    Descripteur f(::open(chemin.constData(), O_WRONLY | O_CLOEXEC));
    if (f.fd() < 0)
        return echec(BilanEcriture::Etat::AncienIntact, errno, true);
    if (const int code = reserve(f.fd(), octets.size(), qint64(ancien.st_blocks) * 512)) {
        // A partial reservation may have lengthened the file; its old bytes are untouched.
        if (ftruncate(f.fd(), ancien.st_size) != 0)
            return echec(BilanEcriture::Etat::Abime, code, true);
        return echec(BilanEcriture::Etat::AncienIntact, code, true);
    }
    int code = ecritTout(f.fd(), octets);
    if (code == 0 && ftruncate(f.fd(), octets.size()) != 0)
        code = errno;
    if (code == 0)
        code = synchroniseFichier(f.fd());
    if (code == 0)
        code = f.ferme();
    return code == 0 ? BilanEcriture{} : echec(BilanEcriture::Etat::Abime, code, true);
}

// A new file beside the old one, renamed over it; in place when the folder refuses either
// and the old file is a regular one.
BilanEcriture parRenommage(const QByteArray &chemin, const QByteArray &dossier,
                           const QByteArray &octets, const struct stat *ancien)
{
    const bool enPlacePossible = ancien && S_ISREG(ancien->st_mode);
    const auto refus = [](int code) { return code == EACCES || code == EPERM; };
    RetireTemporairesAbandonnes(dossier);
    QByteArray temporaire = dossier + "/" + PrefixeTemporaire + "XXXXXX";
    Descripteur f(::mkostemp(temporaire.data(), O_CLOEXEC));
    if (f.fd() < 0) {
        const int code = errno;
        if (refus(code) && enPlacePossible)
            return enPlace(chemin, octets, *ancien);
        return echec(BilanEcriture::Etat::AncienIntact, code, ancien != nullptr);
    }
    int code = donneAttributs(f.fd(), ancien);
    if (code == 0)
        code = reserve(f.fd(), octets.size(), 0);
    if (code == 0)
        code = ecritTout(f.fd(), octets);
    if (code == 0)
        code = synchroniseFichier(f.fd());
    if (code == 0)
        code = f.ferme();
    if (code == 0 && ::rename(temporaire.constData(), chemin.constData()) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(temporaire.constData());
        if (refus(code) && enPlacePossible)
            return enPlace(chemin, octets, *ancien);
        return echec(BilanEcriture::Etat::AncienIntact, code, ancien != nullptr);
    }
    if (const int c = synchroniseDossier(dossier))
        return echec(BilanEcriture::Etat::NonConfirme, c, ancien != nullptr);
    return {};
}

} // namespace

void RemplaceSynchronisation(Synchronisation remplacante)
{
    synchronise = remplacante ? remplacante : ::fsync;
}

void RemplaceReservation(Reservation remplacante)
{
    reservation = remplacante ? remplacante : reservationSysteme;
}

BilanEcriture EcritSansPerte(const QString &nom, const QByteArray &octets)
{
    const SansSignalTaille sansSignal;
    // Links are followed: the file they end at is replaced, the links stay.
    const QString cible = FichierAuBoutDesLiens(nom);
    if (cible.isEmpty())
        return echec(BilanEcriture::Etat::AncienIntact, ELOOP, false);
    const QByteArray chemin = QFile::encodeName(cible);
    const QByteArray dossier = QFile::encodeName(QFileInfo(cible).absolutePath());
    struct stat ancien {};
    const bool existe = ::stat(chemin.constData(), &ancien) == 0;
    if (existe && S_ISDIR(ancien.st_mode))
        return echec(BilanEcriture::Etat::AncienIntact, EISDIR, false);
    if (const int code = depasseLimite(octets.size()))
        return echec(BilanEcriture::Etat::AncienIntact, code, existe);
    // A file the user may not write stays as it is, even in a folder they may write.
    if (existe && S_ISREG(ancien.st_mode)) {
        Descripteur essai(::open(chemin.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        if (essai.fd() < 0)
            return echec(BilanEcriture::Etat::AncienIntact, errno, true);
    }
    return parRenommage(chemin, dossier, octets, existe ? &ancien : nullptr);
}
