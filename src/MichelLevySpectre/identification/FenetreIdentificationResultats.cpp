// SPDX-License-Identifier: GPL-3.0-or-later
// The window's answer: the thickness it is read at, the search, the table of results and its
// copy, and the line of messages.
#include "MichelLevySpectre/identification/FenetreIdentification.h"
#include "MichelLevySpectre/identification/VuePhotographie.h"

#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/recherche/Avertissements.h"
#include "MichelLevySpectre/recherche/LameLambda.h"
#include "MichelLevySpectre/reglages/Preferences.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/LigneMessage.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

QString FenetreIdentification::message() const { return message_->text(); }

void FenetreIdentification::dit(const QString &texte) { message_->setText(texte); }

void FenetreIdentification::litEpaisseur()
{
    const std::optional<double> v = LitEpaisseur(epaisseur_->text().toStdString());
    if (!v) {
        dit(QString::fromUtf8("« %1 » n'est pas une épaisseur de 1 à 1000 µm : l'épaisseur reste "
                              "de %2 µm")
                .arg(Cite(epaisseur_->text()),
                     QString::fromStdString(TexteEpaisseur(epaisseurUm_))));
        return;
    }
    dit(QString());
    changeEpaisseur(*v);
}

void FenetreIdentification::changeEpaisseur(double epaisseur)
{
    epaisseurUm_ = epaisseur;
    reglages_.choisitEpaisseur(epaisseur); // the strip's readout too
    RetientReglagesUtilisateur(reglages_);
    epaisseur_->setText(QString::fromStdString(TexteEpaisseur(epaisseur)));
    calcule();
}

void FenetreIdentification::efface()
{
    resultats_.clear();
    avertissements_.clear();
    montreResultats();
}

std::optional<GrainPhotographie> FenetreIdentification::grainLambda() const
{
    if (!pixel_ || vueLambda_->vide())
        return std::nullopt;
    const RgbLineaire brute = MoyenneLineaire(vueLambda_->image(), pixel_->x(), pixel_->y());
    return LitGrain(brute, Equilibre(brute, balance_.matrice));
}

void FenetreIdentification::calcule()
{
    if (!couleur_)
        return;
    QString erreur;
    const std::vector<Mineral> &table = reglages_.mineraux(&erreur);
    const GrainPhotographie grain = LitGrain(*couleur_, Equilibre(*couleur_, balance_.matrice));
    const std::vector<RgbLineaire> &ref = reference(ReglagesBalances(microscope_, balance_));
    // With the λ plate's photograph, both colours of the grain at once.
    const std::optional<GrainPhotographie> avec = grainLambda();
    ReponseLambda reponse =
        avec ? RepondAvecLambda(ref, grain, *avec) : ReponseLambda{RechercheTeinte(ref, grain), {}};
    if (!avec)
        reponse.avertissements = AvertissementsReponse(grain, reponse.candidats);
    const std::vector<Candidat> &candidats = reponse.candidats;
    const LectureDelta lecture = lecture_->currentIndex() == 1 ? LectureDelta::TeinteLaPlusElevee
                                                               : LectureDelta::GrainQuelconque;
    resultats_ = LignesIdentification(candidats, epaisseurUm_, table, lecture);
    montreResultats();
    avertissements_ = reponse.avertissements;
    dit(!erreur.isEmpty() ? erreur : QString::fromStdString(avertissements_));
}

void FenetreIdentification::montreResultats()
{
    tableau_->setRowCount(int(resultats_.size()));
    const bool douteuse = !resultats_.empty() && resultats_[0].candidat.ecart > SeuilConcordance;
    std::vector<Mineral> anormales;
    for (int i = 0; i < int(resultats_.size()); ++i) {
        const LigneIdentification &l = resultats_[std::size_t(i)];
        const std::vector<std::string> cellules = CellulesLigne(l, MinerauxNommes);
        for (int c = 0; c < int(cellules.size()); ++c) {
            auto *cellule = new QTableWidgetItem(QString::fromStdString(cellules[std::size_t(c)]));
            if (douteuse) // kept, but not to be read as an answer
                cellule->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            tableau_->setItem(i, c, cellule);
        }
        tableau_->item(i, ColonneMineraux)
            ->setToolTip(QString::fromStdString(NomsMineraux(l.mineraux, l.mineraux.size())));
        for (const Mineral &m : l.mineraux)
            if (m.teintesAnormales && TrouveMineral(anormales, m.nom) == nullptr)
                anormales.push_back(m);
    }
    tableau_->resizeRowsToContents();
    note_->setText(
        anormales.empty()
            ? QString()
            : QString::fromUtf8("Teintes anormales connues (hors de l'échelle de "
                                "Newton) : %1")
                  .arg(QString::fromStdString(NomsMineraux(anormales, anormales.size()))));
}

void FenetreIdentification::copieResultats()
{
    if (resultats_.empty()) {
        dit(QString::fromUtf8("Aucun résultat à copier : choisissez d'abord une couleur"));
        return;
    }
    // The warnings follow the rows, so that the header stays the first line.
    QApplication::clipboard()->setText(QString::fromStdString(
        TexteResultats(resultats_) + avertissements_ + (avertissements_.empty() ? "" : "\n")));
}

void FenetreIdentification::reprendEpaisseur()
{
    if (reglages_.epaisseur() == epaisseurUm_)
        return;
    epaisseurUm_ = reglages_.epaisseur();
    epaisseur_->setText(QString::fromStdString(TexteEpaisseur(epaisseurUm_)));
    calcule();
}

const std::vector<RgbLineaire> &
FenetreIdentification::reference(const ReglagesMicroscope &microscope)
{
    static std::optional<ReglagesMicroscope> pour;
    static std::vector<RgbLineaire> reference;
    if (pour != microscope) {
        reference = ReferenceTeintes(microscope);
        pour = microscope;
    }
    return reference;
}
