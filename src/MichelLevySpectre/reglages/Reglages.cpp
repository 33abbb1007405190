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

namespace {

// The table file's bytes; throws Erreur saying in French why they cannot be read, and what the
// program then goes without.
std::string octetsTable(const QString &chemin, const char *fichier, const char *sansElle)
{
    const FichierLu lu = LitFichierOrdinaire(chemin, TailleMaxTable);
    const std::string nom(fichier), manque(sansElle);
    if (lu.refus == RefusLecture::PasUnFichier)
        throw Erreur((TexteNonFichier(chemin) + QString::fromUtf8(" : ")).toStdString() + manque);
    if (lu.refus == RefusLecture::TropGrand)
        throw Erreur("Le fichier " + nom + " est trop grand pour être une table de " +
                     (nom == FichierMineraux ? "minéraux" : "grains"));
    if (lu.refus != RefusLecture::Aucun)
        throw Erreur("Fichier " + nom +
                     " introuvable ou illisible dans le dossier de travail : " + manque);
    return lu.octets.toStdString();
}

} // namespace

std::vector<Mineral> ChargeTableMineraux(const QString &chemin)
{
    return LitTableMineraux(
        octetsTable(chemin, FichierMineraux, "les minéraux ne sont pas proposés"));
}

std::vector<FicheGrain> ChargeTableGrains(const QString &chemin)
{
    return LitTableGrains(
        octetsTable(chemin, FichierGrains, "les grains des minéraux ne sont pas dessinés"));
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
