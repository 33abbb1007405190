// SPDX-License-Identifier: GPL-3.0-or-later
// A name is checked before it is opened, and the opened file again: a FIFO would block the
// open or the read, and a device such as /dev/zero never ends.
#include "toolkit/Fichiers.h"

#include <QFile>

#include <algorithm>

#ifdef _WIN32
#include <QFileInfo>
#else
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

RefusLecture OuvreFichierOrdinaire(QFile &fichier)
{
#ifdef _WIN32
    const QFileInfo info(fichier.fileName());
    if (!info.exists())
        return RefusLecture::Absent;
    if (!info.isFile())
        return RefusLecture::PasUnFichier;
    return fichier.open(QIODevice::ReadOnly) ? RefusLecture::Aucun : RefusLecture::Illisible;
#else
    const QByteArray chemin = QFile::encodeName(fichier.fileName());
    struct stat etat {};
    if (chemin.isEmpty() || ::stat(chemin.constData(), &etat) != 0)
        return errno == ENOENT || chemin.isEmpty() ? RefusLecture::Absent : RefusLecture::Illisible;
    if (!S_ISREG(etat.st_mode)) // devices are never opened: opening some has effects
        return RefusLecture::PasUnFichier;
    // Non-blocking, in case the name became a FIFO since: its open would wait for a writer.
    const int fd = ::open(chemin.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return RefusLecture::Illisible;
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        return RefusLecture::PasUnFichier;
    }
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return RefusLecture::Illisible;
    }
    return RefusLecture::Aucun;
#endif
}

FichierLu LitFichierOrdinaire(const QString &nom, qint64 octetsMax)
{
    QFile fichier(nom);
    if (const RefusLecture refus = OuvreFichierOrdinaire(fichier); refus != RefusLecture::Aucun)
        return {{}, refus};
    const qint64 taille = fichier.size();
    if (taille > octetsMax)
        return {{}, RefusLecture::TropGrand};
    // One byte more than the size seen: a file that grew meanwhile is refused, unread.
    QByteArray octets = fichier.read(std::min(taille, octetsMax) + 1);
    if (fichier.error() != QFileDevice::NoError)
        return {{}, RefusLecture::Illisible};
    if (octets.size() > octetsMax)
        return {{}, RefusLecture::TropGrand};
    return {std::move(octets), RefusLecture::Aucun};
}

QString TexteNonFichier(const QString &nom)
{
    return QString::fromUtf8("« %1 » n'est pas un fichier ordinaire (dossier, périphérique ou "
                             "tube) : il n'est pas lu")
        .arg(nom);
}
