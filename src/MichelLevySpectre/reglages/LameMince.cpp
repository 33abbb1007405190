// SPDX-License-Identifier: GPL-3.0-or-later
// The mineral table, the thickness and the reference colours of a microscope's settings.
#include "MichelLevySpectre/reglages/LameMince.h"

#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/presentation/Charte.h"
#include "toolkit/Dialogues.h"
#include "toolkit/Fichiers.h"

#include <QDateTime>
#include <QFileInfo>

#include <new>
#include <optional>

namespace {

constexpr qint64 TailleMaxTable = 1 << 20; // bytes: the table is a few kilobytes

// The table as read, and which file it came from: another working folder or an edited file is
// read again.
struct TableLue {
    std::vector<Mineral> mineraux;
    QString chemin;
    QDateTime modification;
    qint64 taille = -1;
};
TableLue lue;
double epaisseur = EpaisseurLameMince;

std::vector<Mineral> litTable()
{
    const FichierLu lu = LitFichierOrdinaire(QString::fromUtf8(FichierMineraux), TailleMaxTable);
    if (lu.refus == RefusLecture::PasUnFichier)
        throw Erreur((TexteNonFichier(QString::fromUtf8(FichierMineraux)) +
                      QString::fromUtf8(" : les minéraux ne sont pas proposés"))
                         .toStdString());
    if (lu.refus == RefusLecture::TropGrand)
        throw Erreur("Le fichier mineraux.tsv est trop grand pour être une table de minéraux");
    if (lu.refus != RefusLecture::Aucun)
        throw Erreur("Fichier mineraux.tsv introuvable dans le dossier de travail : les "
                     "minéraux ne sont pas proposés");
    return LitTableMineraux(lu.octets.toStdString());
}

} // namespace

const std::vector<Mineral> &TableMineraux(QString *erreur)
{
    const QFileInfo info(QString::fromUtf8(FichierMineraux));
    if (lue.mineraux.empty() || info.absoluteFilePath() != lue.chemin ||
        info.lastModified() != lue.modification || info.size() != lue.taille) {
        lue = {{}, info.absoluteFilePath(), info.lastModified(), info.size()};
        try {
            lue.mineraux = litTable();
        } catch (const Erreur &e) {
            if (erreur)
                *erreur = QString::fromUtf8(e.what());
        } catch (const std::bad_alloc &) { // the window that asked goes on without the table
            if (erreur)
                *erreur = QStringLiteral("Mémoire insuffisante");
        }
    }
    return lue.mineraux;
}

double EpaisseurLame() { return epaisseur; }

void ChoisitEpaisseurLame(double valeur) { epaisseur = valeur; }

QString TexteEntreeEpaisseur()
{
    return QString::fromUtf8("Épaisseur de la lame… (%1 µm)")
        .arg(QString::fromStdString(TexteEpaisseur(epaisseur)));
}

void DemandeEpaisseurLame()
{
    const QString actuelle = QString::fromStdString(TexteEpaisseur(epaisseur));
    const std::optional<QString> texte = dialogues().saisit(
        QString::fromUtf8("Épaisseur de la lame"),
        QString::fromUtf8("Épaisseur de la lame mince en µm (de 1 à 1000) :"), actuelle);
    if (!texte)
        return;
    if (const std::optional<double> v = LitEpaisseur(texte->toStdString()))
        epaisseur = *v;
    else
        dialogues().message(QString::fromUtf8("« %1 » n'est pas une épaisseur de 1 à 1000 µm : "
                                              "l'épaisseur reste de %2 µm.")
                                .arg(*texte, actuelle));
}

const std::vector<RgbLineaire> &ReferencePour(const ReglagesMicroscope &reglages)
{
    static std::optional<ReglagesMicroscope> pour;
    static std::vector<RgbLineaire> reference;
    if (pour != reglages) {
        reference = ReferenceTeintes(reglages);
        pour = reglages;
    }
    return reference;
}
