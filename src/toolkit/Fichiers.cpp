// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Fichiers.h"

#include "MichelLevySpectre/Erreur.h"
#include "toolkit/EcritureSysteme.h"

namespace {

QString phrase(const BilanEcriture &b, const QString &nom)
{
    const QString pourquoi = QStringLiteral(" : ") + b.raison + QStringLiteral(".");
    switch (b.etat) {
    case BilanEcriture::Etat::AncienIntact:
        return QStringLiteral("Le fichier ") + nom + QStringLiteral(" n'a pas été enregistré") +
               pourquoi +
               (b.ancienExiste ? QStringLiteral("\nL'ancien fichier est inchangé.") : QString());
    case BilanEcriture::Etat::Abime:
        return QStringLiteral("L'écriture du fichier ") + nom +
               QStringLiteral(" s'est arrêtée en cours de route") + pourquoi +
               QStringLiteral("\nLe fichier est abîmé : l'ancien contenu est perdu et le "
                              "nouveau est incomplet.");
    case BilanEcriture::Etat::NonConfirme:
        return QStringLiteral("Le fichier ") + nom +
               QStringLiteral(" est écrit, mais le système n'a pas confirmé qu'il est sur le "
                              "disque") +
               pourquoi;
    case BilanEcriture::Etat::Ecrit:
        break;
    }
    return {};
}

} // namespace

void EnregistreFichier(const QString &nom, const QByteArray &octets)
{
    const BilanEcriture bilan = EcritSansPerte(nom, octets);
    if (bilan.etat != BilanEcriture::Etat::Ecrit)
        throw Erreur(phrase(bilan, nom).toStdString());
}
