// SPDX-License-Identifier: GPL-3.0-or-later
// Saving on Windows. QSaveFile writes a new file beside the old one, flushes it to the disk
// and puts it in place with ReplaceFile or MoveFileEx, so a failure anywhere leaves the old
// file as it was. Windows has no sync of a folder: NTFS journals the rename itself. A file
// that can be written in a folder that cannot is refused rather than overwritten in place.
#include "toolkit/EcritureSysteme.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace {

Synchronisation synchronise = nullptr; // QSaveFile flushes by itself

// Qt only has the system's text, in the system's language: the French reason comes from the
// state of the disk, checked before writing and again after a failure.
QString raisonConstatee(const QFileInfo &cible, qint64 taille)
{
    const QFileInfo dossier(cible.absolutePath());
    if (!dossier.exists())
        return QStringLiteral("dossier inexistant");
    if (!dossier.isDir())
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    if (cible.isDir())
        return QStringLiteral("un dossier porte ce nom");
    if (cible.exists() && !cible.isWritable())
        return QStringLiteral("permission refusée");
    const QStorageInfo disque(dossier.absoluteFilePath());
    if (disque.isValid() && disque.isReadOnly())
        return QStringLiteral("système de fichiers en lecture seule");
    if (disque.isValid() && disque.bytesAvailable() < taille)
        return QStringLiteral("disque plein");
    return {};
}

QString raisonApresEchec(const QFileInfo &cible, qint64 taille, const QString &texteSysteme)
{
    const QString r = raisonConstatee(QFileInfo(cible.absoluteFilePath()), taille);
    return r.isEmpty() ? QStringLiteral("refus du système (") + texteSysteme + QStringLiteral(")")
                       : r;
}

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

} // namespace

void RemplaceSynchronisation(Synchronisation remplacante) { synchronise = remplacante; }

void RemplaceReservation(Reservation) {}

BilanEcriture EcritSansPerte(const QString &nom, const QByteArray &octets)
{
    const QFileInfo cible(nom);
    const bool existe = cible.isFile();
    const auto echec = [&](const QString &raison) {
        return BilanEcriture{BilanEcriture::Etat::AncienIntact, raison, existe};
    };
    if (const QString r = raisonConstatee(cible, octets.size()); !r.isEmpty())
        return echec(r);

    QSaveFile f(nom);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return echec(raisonApresEchec(cible, octets.size(), f.errorString()));
    // The reason is read before the temporary file goes.
    const auto abandonne = [&](const QString &raison) {
        f.cancelWriting();
        return echec(raison);
    };
    if (!ecritTout(f, octets))
        return abandonne(raisonApresEchec(cible, octets.size(), f.errorString()));
    if (synchronise && synchronise(f.handle()) != 0)
        return abandonne(QStringLiteral("erreur d'entrée-sortie du disque"));
    if (!f.commit())
        return echec(raisonApresEchec(cible, octets.size(), f.errorString()));
    return {};
}
