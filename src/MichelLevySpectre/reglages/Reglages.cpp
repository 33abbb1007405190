// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/reglages/Reglages.h"

#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/charte/GeometrieCharte.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 TailleMaxTable = 1 << 20; // bytes: the table is a few kilobytes

} // namespace

std::vector<Mineral> ChargeTableMineraux(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        throw Erreur("Fichier mineraux.tsv introuvable ou illisible dans le dossier de travail : "
                     "les minéraux ne sont pas proposés");
    if (fichier.size() > TailleMaxTable)
        throw Erreur("Le fichier mineraux.tsv est trop grand pour être une table de minéraux");
    return LitTableMineraux(fichier.readAll().toStdString());
}

Reglages::Reglages(QObject *parent) : QObject(parent), epaisseur_(EpaisseurLameMince) {}

const std::vector<Mineral> &Reglages::mineraux(QString *erreur) const
{
    const QFileInfo info(QString::fromUtf8(FichierMineraux));
    if (table_.mineraux.empty() || info.absoluteFilePath() != table_.chemin ||
        info.lastModified() != table_.modification || info.size() != table_.taille) {
        table_ = {{}, info.absoluteFilePath(), info.lastModified(), info.size()};
        try {
            table_.mineraux = ChargeTableMineraux(info.filePath());
        } catch (const Erreur &e) {
            if (erreur)
                *erreur = QString::fromUtf8(e.what());
        }
    }
    return table_.mineraux;
}

void Reglages::choisitCouleursColorimetriques(bool actif)
{
    if (actif == colorimetriques_)
        return;
    colorimetriques_ = actif;
    emit changed();
}

void Reglages::choisitMicroscope(const ReglagesMicroscope &microscope)
{
    if (microscope == microscope_)
        return;
    microscope_ = microscope;
    emit changed();
}

void Reglages::choisitEpaisseur(double epaisseur)
{
    if (epaisseur == epaisseur_)
        return;
    epaisseur_ = epaisseur;
    emit changed();
}

void Reglages::retablitOrigine()
{
    const bool deja = !colorimetriques_ && microscope_ == ReglagesMicroscope{} &&
                      epaisseur_ == EpaisseurLameMince;
    colorimetriques_ = false;
    microscope_ = {};
    epaisseur_ = EpaisseurLameMince;
    if (!deja)
        emit changed();
}
