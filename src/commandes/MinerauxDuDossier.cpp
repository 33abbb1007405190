// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandes/MinerauxDuDossier.h"

#include "MichelLevySpectre/Erreur.h"

#include <QFile>

namespace {

constexpr qint64 TailleMaxTable = 1 << 20; // bytes: the table is a few kilobytes

} // namespace

std::vector<Mineral> LitMinerauxDuDossier()
{
    QFile fichier(QStringLiteral("mineraux.tsv"));
    if (!fichier.open(QIODevice::ReadOnly) || fichier.size() > TailleMaxTable)
        throw Erreur("Fichier mineraux.tsv introuvable ou illisible dans le dossier de travail : "
                     "les minéraux ne sont pas proposés");
    return LitTableMineraux(fichier.readAll().toStdString());
}
