// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Fichiers.h"

#include "MichelLevySpectre/Erreur.h"

#include <QSaveFile>

namespace {

// Qt loses the system's reason after a short write; a full disk is then the likely one.
QString raison(const QSaveFile &f, bool complet)
{
    if (complet && f.error() != QFileDevice::UnspecifiedError && f.error() != QFileDevice::NoError)
        return f.errorString();
    return QStringLiteral("\u00e9criture interrompue (disque plein ?)");
}

} // namespace

// Written beside the old file and renamed over it only once complete.
void EnregistreFichier(const QString &nom, const QByteArray &octets)
{
    QSaveFile f(nom);
    if (!f.open(QIODevice::WriteOnly))
        throw Erreur(("Impossible de cr\u00e9er le fichier " + nom + " : " + f.errorString())
                         .toStdString());
    const bool complet = f.write(octets) == octets.size();
    if (!complet || !f.commit())
        throw Erreur(("Impossible d'\u00e9crire le fichier " + nom + " : " + raison(f, complet))
                         .toStdString());
}
