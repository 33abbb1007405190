// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/reglages/Reglages.h"

#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/charte/GeometrieCharte.h"

#include "toolkit/Fichiers.h"

#include <QFileInfo>

#include <new>

namespace {

constexpr qint64 TailleMaxTable = 1 << 20; // bytes: the table is a few kilobytes

} // namespace

std::vector<Mineral> ChargeTableMineraux(const QString &chemin)
{
    const FichierLu lu = LitFichierOrdinaire(chemin, TailleMaxTable);
    if (lu.refus == RefusLecture::PasUnFichier)
        throw Erreur(
            (TexteNonFichier(chemin) + QString::fromUtf8(" : les minéraux ne sont pas proposés"))
                .toStdString());
    if (lu.refus == RefusLecture::TropGrand)
        throw Erreur("Le fichier mineraux.tsv est trop grand pour être une table de minéraux");
    if (lu.refus != RefusLecture::Aucun)
        throw Erreur("Fichier mineraux.tsv introuvable ou illisible dans le dossier de travail : "
                     "les minéraux ne sont pas proposés");
    return LitTableMineraux(lu.octets.toStdString());
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
        } catch (const std::bad_alloc &) { // the window that asked goes on without the table
            if (erreur)
                *erreur = QStringLiteral("Mémoire insuffisante");
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
