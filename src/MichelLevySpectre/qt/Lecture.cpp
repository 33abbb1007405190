// SPDX-License-Identifier: GPL-3.0-or-later
// The mineral table, the thickness and the strip's readout. The strip's mouse handlers stay as
// they are: the readout comes through an event filter that only answers tooltip requests.
#include "MichelLevySpectre/qt/Lecture.h"

#include "MichelLevySpectre/MichelLevySpectre.h"
#include "toolkit/Dialogues.h"
#include "toolkit/TImage.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>
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
    QFile fichier(QString::fromUtf8(FichierMineraux));
    if (!fichier.open(QIODevice::ReadOnly))
        throw Erreur("Fichier mineraux.tsv introuvable dans le dossier de travail : les "
                     "minéraux ne sont pas proposés");
    if (fichier.size() > TailleMaxTable)
        throw Erreur("Le fichier mineraux.tsv est trop grand pour être une table de minéraux");
    return LitTableMineraux(fichier.readAll().toStdString());
}

class LectureBande : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *e) override
    {
        if (e->type() != QEvent::ToolTip)
            return false;
        const auto *aide = static_cast<QHelpEvent *>(e);
        auto *image = static_cast<TImage *>(objet);
        const QString texte = LectureMichelLevy(image, aide->pos().x());
        if (texte.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(aide->globalPos(), texte, image);
        return true;
    }
};

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

std::optional<double> RetardDeColonne(const TImage *image, int x)
{
    if (tab_interferences.size() < 2 || !image || image->width() < 2)
        return std::nullopt;
    const double colonne = std::clamp(x, 0, image->width() - 1);
    return colonne / (image->width() - 1) * tab_interferences.back().x;
}

QString LectureMichelLevy(const TImage *image, int x)
{
    const std::optional<double> sousLaColonne = RetardDeColonne(image, x);
    if (!sousLaColonne)
        return {};
    const double retard = *sousLaColonne;
    // Colour names hold for white light between crossed polarisers, the plate's included.
    const ReglagesMicroscope &r = ReglagesCourants();
    const bool nommee =
        ModeLumiereCourant() == ModeLumiere::Blanche && r.polariseurs == Polariseurs::Croises;
    const std::string teinte = nommee ? NomTeinte(RetardVu(retard, r)) : std::string();
    return QString::fromStdString(LectureRetard(retard, epaisseur, teinte, TableMineraux()));
}

void InstalleLectureMichelLevy(TImage *image)
{
    image->installEventFilter(new LectureBande(image));
}

const std::vector<RgbLineaire> &ReferenceCourante() { return ReferencePour(ReglagesCourants()); }

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
