// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Fichiers.h"

#include "MichelLevySpectre/Erreur.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <unistd.h>

namespace {

constexpr int codesConnus[] = {EACCES, EPERM,  ENOENT, ENOTDIR,      EROFS,
                               ENOSPC, EDQUOT, EFBIG,  ENAMETOOLONG, EISDIR};

// French words for the failures a user meets when saving; the system's own text otherwise.
QString raisonSysteme(int code)
{
    switch (code) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refus\u00e9e");
    case ENOENT:
        return QStringLiteral("dossier inexistant");
    case ENOTDIR:
        return QStringLiteral("un \u00e9l\u00e9ment du chemin n'est pas un dossier");
    case EROFS:
        return QStringLiteral("syst\u00e8me de fichiers en lecture seule");
    case ENOSPC:
        return QStringLiteral("disque plein");
    case EDQUOT:
        return QStringLiteral("quota de disque d\u00e9pass\u00e9");
    case EFBIG:
        return QStringLiteral("fichier trop grand");
    case ENAMETOOLONG:
        return QStringLiteral("nom trop long");
    case EISDIR:
        return QStringLiteral("un dossier porte ce nom");
    default:
        return QString::fromLocal8Bit(std::strerror(code));
    }
}

// How Qt words a system error: its own (translated) text for the commonest, the system's
// text for the others.
QString texteQt(int code)
{
    switch (code) {
    case EACCES:
        return QCoreApplication::translate("QIODevice", "Permission denied");
    case ENOENT:
        return QCoreApplication::translate("QIODevice", "No such file or directory");
    case ENOSPC:
        return QCoreApplication::translate("QIODevice", "No space left on device");
    default:
        return QString::fromLocal8Bit(std::strerror(code));
    }
}

// Qt keeps only the text of a failure, not its code: find the code back from the text.
QString raison(const QSaveFile &f)
{
    const QString texte = f.errorString();
    for (int code : codesConnus)
        if (texte == texteQt(code))
            return raisonSysteme(code);
    if (texte == QCoreApplication::translate("QSaveFile", "Filename refers to a directory"))
        return raisonSysteme(EISDIR);
    if (texte == QCoreApplication::translate("QSaveFile", "Existing file %1 is not writable")
                     .arg(f.fileName()))
        return raisonSysteme(EACCES);
    if (f.error() == QFileDevice::NoError || f.error() == QFileDevice::UnspecifiedError)
        return QStringLiteral("\u00e9criture interrompue");
    return texte;
}

Erreur echec(const char *quoi, const QString &nom, const QString &pourquoi)
{
    return Erreur((QString::fromUtf8(quoi) + nom + QStringLiteral(" : ") + pourquoi).toStdString());
}

// Every byte handed to the system; a short write is retried so that its cause shows.
bool ecritTout(QSaveFile &f, const QByteArray &octets)
{
    for (qint64 fait = 0; fait < octets.size();) {
        const qint64 n = f.write(octets.constData() + fait, octets.size() - fait);
        if (n <= 0)
            return false;
        fait += n;
    }
    return true;
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

} // namespace

// Written beside the old file and renamed over it only once complete and on disk. Unbuffered,
// so that a failing write is seen here: a buffered one would only fail inside commit(), which
// then still renames the short file over the old one.
void EnregistreFichier(const QString &nom, const QByteArray &octets)
{
    const SansSignalTaille sansSignal;
    QSaveFile f(nom);
    // A folder the user cannot write may hold a file they can: that one is replaced in place.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw echec("Impossible de cr\u00e9er le fichier ", nom, raison(f));
    // The reason is read before the temporary file goes.
    const auto abandonne = [&](const QString &pourquoi) {
        f.cancelWriting();
        return echec("Impossible d'\u00e9crire le fichier ", nom, pourquoi);
    };
    if (!ecritTout(f, octets))
        throw abandonne(raison(f));
    // commit() ignores a failed sync; some file systems only report lost space there.
    if (const int code = ::fsync(f.handle()) == 0 ? 0 : errno; code != 0 && code != EINVAL)
        throw abandonne(raisonSysteme(code));
    if (!f.commit())
        throw echec("Impossible d'\u00e9crire le fichier ", nom, raison(f));
}
