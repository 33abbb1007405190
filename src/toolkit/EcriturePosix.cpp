// SPDX-License-Identifier: GPL-3.0-or-later
// Saving on POSIX systems. A new file is written beside the old one, synced and renamed over
// it, then the folder is synced. When the folder is not writable but the file is, the file
// is overwritten in place, but only once the size limit is checked and the space reserved:
// until the first byte is written, a failure leaves the old file as it was.
#include "toolkit/EcritureSysteme.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Synchronisation synchronise = ::fsync;

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

// The space taken before any old byte is touched; a file system that cannot say is let be.
int reserve(int fd, qint64 taille)
{
    if (taille == 0)
        return 0;
    const int code = posix_fallocate(fd, 0, taille);
    return code == EOPNOTSUPP || code == EINVAL ? 0 : code;
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

mode_t modeNouveauFichier()
{
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
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
    if (const int code = reserve(f.fd(), octets.size())) {
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

} // namespace

void RemplaceSynchronisation(Synchronisation remplacante)
{
    synchronise = remplacante ? remplacante : ::fsync;
}

BilanEcriture EcritSansPerte(const QString &nom, const QByteArray &octets)
{
    const SansSignalTaille sansSignal;
    // A link is followed: the file it names is replaced, the link stays.
    const QFileInfo info(nom);
    const QString cible = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
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

    QByteArray temporaire = dossier + "/.prismelle-XXXXXX";
    Descripteur f(::mkostemp(temporaire.data(), O_CLOEXEC));
    if (f.fd() < 0) {
        const int code = errno;
        if ((code == EACCES || code == EPERM) && existe && S_ISREG(ancien.st_mode))
            return enPlace(chemin, octets, ancien);
        return echec(BilanEcriture::Etat::AncienIntact, code, existe);
    }
    int code =
        ::fchmod(f.fd(), existe ? ancien.st_mode & 07777 : modeNouveauFichier()) == 0 ? 0 : errno;
    if (code == 0)
        code = reserve(f.fd(), octets.size());
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
        return echec(BilanEcriture::Etat::AncienIntact, code, existe);
    }
    if (const int c = synchroniseDossier(dossier))
        return echec(BilanEcriture::Etat::NonConfirme, c, existe);
    return {};
}
