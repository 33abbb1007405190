// SPDX-License-Identifier: GPL-3.0-or-later
// What the stage's controls compute: typed values read (a bad one refused with a message, the
// old value kept), the grain's colour, its turn and the readouts.
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/conoscopie/CoupeDuGrain.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/optique/NomsPlatine.h"
#include "MichelLevySpectre/platine/CadranPlatine.h"
#include "MichelLevySpectre/platine/ChampPlatine.h"
#include "MichelLevySpectre/platine/FenetrePlatine.h"
#include "MichelLevySpectre/platine/PolairePlatine.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/LigneMessage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

namespace {

enum Origine { DeLaBande, Saisi, DuMineral };
enum Lumiere { Croises, Paralleles, Naturelle };
// Below this share of the turn's brightest, the grain reads as extinct.
constexpr double partEteinte = 0.01;
constexpr double nmParUm = 1000.0;
constexpr double retardMaxSansTable = 3000.0; // nm

QString decimal(double v, int decimales) { return QString::fromStdString(Decimal(v, decimales)); }

QColor couleur(const Rgb8 &c) { return {c.r, c.g, c.b}; }

// A typed field shows the state unless the user is still typing in it.
void montreTexte(QLineEdit *champ, const QString &texte)
{
    if (!champ->isModified())
        champ->setText(texte);
}

} // namespace

void FenetrePlatine::choisitAngle(int degres)
{
    etat_.angle = (degres % 360 + 360) % 360;
    calcule();
}

QLineEdit *FenetrePlatine::champAngle() const { return cadran_->champ(); }

void FenetrePlatine::choisitRetard(double retard)
{
    etat_.retard = retard;
    calcule();
}

void FenetrePlatine::choisitLumiere(int index)
{
    etat_.naturelle = index == Naturelle;
    etat_.croises = index != Paralleles;
    calcule();
}

void FenetrePlatine::litRetard()
{
    const QString texte = retardTexte_->text();
    retardTexte_->setModified(false);
    const double max = liens_.retardMax ? liens_.retardMax() : retardMaxSansTable;
    if (const std::optional<double> v = LitDecimal(texte.toStdString());
        v && *v >= 0 && *v <= max) {
        dit({});
        origine_->setCurrentIndex(Saisi);
        etat_.mineral.clear();
        choisitRetard(*v);
        return;
    }
    dit(QString::fromUtf8("« %1 » n'est pas un retard de 0 à %2 nm : le retard reste de %3 nm.")
            .arg(Cite(texte), decimal(max, 0), decimal(etat_.retard, 0)));
    retardTexte_->setText(decimal(etat_.retard, 0));
}

void FenetrePlatine::litMineral()
{
    const QString nom = mineral_->text().trimmed();
    if (nom.isEmpty())
        return; // nothing asked yet: the slider or the thickness alone
    QString erreur;
    const std::vector<Mineral> table =
        liens_.reglages ? liens_.reglages->mineraux(&erreur) : std::vector<Mineral>{};
    const Mineral *trouve = TrouveMineral(table, nom.toStdString());
    if (!trouve) {
        dit(table.empty() ? erreur
                          : QString::fromUtf8("« %1 » n'est pas dans la table des minéraux : le "
                                              "retard reste de %2 nm.")
                                .arg(Cite(nom), decimal(etat_.retard, 0)));
        return;
    }
    const std::optional<double> e = LitEpaisseur(epaisseur_->text().toStdString());
    if (!e) {
        dit(QString::fromUtf8("« %1 » n'est pas une épaisseur de 1 à 1000 µm : le retard reste de "
                              "%2 nm.")
                .arg(Cite(epaisseur_->text()), decimal(etat_.retard, 0)));
        return;
    }
    dit({});
    origine_->setCurrentIndex(DuMineral);
    etat_.epaisseur = *e;
    prendGrain(*trouve);
    const double delta = grain_ ? grain_->delta : trouve->deltaMax;
    choisitRetard(delta * proximite_->value() / 100.0 * *e * nmParUm);
}

// The mineral's own grain where grains.tsv describes it: its published extinction angle set,
// its habit, cleavage, twins, relief and pleochroism drawn; otherwise an elongated grain.
void FenetrePlatine::prendGrain(const Mineral &mineral)
{
    fiche_.reset(), grain_.reset();
    etat_.mineral.clear();
    try {
        const std::vector<FicheGrain> grains = ChargeTableGrains(QString::fromUtf8(FichierGrains));
        if (const FicheGrain *f = TrouveGrain(grains, mineral))
            fiche_ = *f;
    } catch (const Erreur &) { // no grains.tsv: the grain stays a bare retardation
    }
    if (!fiche_)
        return;
    // Without a published extinction (albite) the grain takes the angle set on the stage.
    grain_ = PrepareGrain(mineral, *fiche_, etat_.epaisseur, etat_.lente);
    if (!grain_)
        return;
    // The exercise's grain is cut at random about its length.
    if (etat_.exercice && exerciceEnCours_)
        if (const std::optional<IndicesPrincipaux> n = IndicesDuMineral(mineral)) {
            if (!exerciceEnCours_->coupe)
                exerciceEnCours_->coupe = TireCoupe(*n, grain_->lente, hasard_);
            grain_ = DansLaCoupe(*grain_, *n, *exerciceEnCours_->coupe);
        }
    etat_.mineral = mineral.nom;
    etat_.lente = double(std::lround(grain_->lente)); // the spin box's whole degrees
}

void FenetrePlatine::litBiseau()
{
    const QString texte = biseauTexte_->text();
    biseauTexte_->setModified(false);
    if (const std::optional<double> v = LitDecimal(texte.toStdString());
        v && *v >= 0 && *v <= BiseauMax) {
        dit({});
        etat_.biseau = *v;
        calcule();
        return;
    }
    dit(QString::fromUtf8("« %1 » n'est pas un biseau de 0 à 2000 nm : le biseau reste de %2 nm.")
            .arg(Cite(texte), decimal(etat_.biseau, 0)));
    biseauTexte_->setText(decimal(etat_.biseau, 0));
}

void FenetrePlatine::reprendBande()
{
    if (epaisseur_->text().isEmpty() && liens_.reglages)
        epaisseur_->setText(QString::fromStdString(TexteEpaisseur(liens_.reglages->epaisseur())));
    const std::optional<double> r = liens_.retardBande ? liens_.retardBande() : std::nullopt;
    if (origine_->currentIndex() == DeLaBande && r) {
        etat_.mineral.clear();
        choisitRetard(*r);
    } else {
        calcule();
    }
}

void FenetrePlatine::calcule()
{
    const ReglagesMicroscope r =
        liens_.reglages ? liens_.reglages->microscope() : ReglagesMicroscope{};
    if (!lumiere_ || r.source != lumierePour_.source || r.vision != lumierePour_.vision) {
        lumiere_ = PrepareLumierePlatine(r);
        lumierePour_ = r;
        tourPour_.reset();
    }
    const bool dessine = grain_ && !etat_.mineral.empty();
    const AbsorptionGrain *absorption =
        dessine && grain_->absorption ? &*grain_->absorption : nullptr;
    montage_ = MontageDeLaPlatine(etat_, absorption);
    vue_ = VoitPlatine(*lumiere_, montage_);
    EtatPlatine vide = etat_; // the field around the grain
    vide.retard = 0;
    DessinChamp d{couleur(VoitPlatine(*lumiere_, MontageDeLaPlatine(vide)).couleur),
                  {couleur(vue_.couleur), couleur(vue_.couleur)},
                  etat_.angle};
    d.lame = montage_.retardLame > 0;
    d.miseAuPoint = etat_.miseAuPoint;
    if (dessine) {
        const MontagePlatine jumeau = MontageDeLaPlatine(etat_, absorption, 1);
        d.lamelles[1] = couleur(VoitPlatine(*lumiere_, jumeau).couleur);
        d.habitus = fiche_->habitus, d.clivage = fiche_->clivage, d.macle = fiche_->macle;
        d.relief = grain_->relief;
    }
    champ_->montre(d);
    EtatPlatine aZero = etat_;
    aZero.angle = 0;
    const MontagePlatine tour = MontageDeLaPlatine(aZero, absorption);
    if (tourPour_ != tour) {
        polaire_->montre(LuminositesTour(*lumiere_, tour), angle());
        EtatPlatine sansLame = aZero; // crossed, no plate: where extinction is measured
        sansLame.lame = LameAuxiliaire::Aucune, sansLame.croises = true, sansLame.naturelle = false;
        tourSansLame_ = LuminositesTour(*lumiere_, MontageDeLaPlatine(sansLame));
        tourPour_ = tour;
    } else {
        polaire_->montre(polaire_->tour(), angle());
    }
    montreEtat();
    montreLectures();
}

void FenetrePlatine::montreEtat()
{
    cadran_->montre(angle());
    montreTexte(retardTexte_, decimal(etat_.retard, 0));
    montreTexte(biseauTexte_, decimal(etat_.biseau, 0));
    const QSignalBlocker b(biseauCurseur_), e(extinction_), l(lame_), p(polariseurs_),
        m(miseAuPoint_);
    biseauCurseur_->setValue(int(std::lround(etat_.biseau)));
    extinction_->setValue(int(std::lround(etat_.lente)));
    lame_->setCurrentIndex(int(etat_.lame));
    polariseurs_->setCurrentIndex(etat_.naturelle ? Naturelle
                                  : etat_.croises ? Croises
                                                  : Paralleles);
    miseAuPoint_->setValue(int(std::lround(100 * etat_.miseAuPoint)));
}

void FenetrePlatine::montreLectures()
{
    const std::vector<double> &tour = polaire_->tour();
    const double plus = tour.empty() ? 0 : *std::max_element(tour.begin(), tour.end());
    const QString teinte = montage_.croises && !(vue_.luminosite > partEteinte * plus)
                               ? QString::fromUtf8("extinction")
                               : QString::fromStdString(NomVuePlatine(montage_, vue_));
    lecture_->setText(
        QString::fromUtf8("Platine : %1° — luminosité : %2 % — %3")
            .arg(QString::number(angle()), decimal(100 * vue_.luminosite, 1), teinte));
    const bool montre = caseReponse_->isChecked();
    reponse_->setVisible(montre);
    champ_->montreDirectionLente(montre ? std::optional<double>(etat_.lente) : std::nullopt);
    const std::optional<int> mesure = ExtinctionMesuree(tourSansLame_);
    reponse_->setText(
        mesure ? QString::fromUtf8("Angle d'extinction mesuré : %1° ; %2.")
                     .arg(QString::number(*mesure),
                          QString::fromStdString(SigneAllongement(etat_.lente)))
               : QString::fromUtf8("Le grain reste éteint sur tout le tour : pas d'angle "
                                   "d'extinction."));
}

void FenetrePlatine::dit(const QString &message) { message_->setText(message); }

QString FenetrePlatine::message() const { return message_->text(); }
QString FenetrePlatine::lecture() const { return lecture_->text(); }
QString FenetrePlatine::reponse() const
{
    return caseReponse_->isChecked() ? reponse_->text() : QString();
}

void FenetrePlatine::keyPressEvent(QKeyEvent *evenement)
{
    if (const int d = DegresDeLaTouche(evenement->key(), evenement->modifiers()))
        tourne(d);
    else
        QWidget::keyPressEvent(evenement);
}

void FenetrePlatine::relie(LiensPlatine liens)
{
    if (liens_.reglages)
        disconnect(liens_.reglages, nullptr, this, nullptr);
    liens_ = std::move(liens);
    // The strip's lamp and viewer, changed from any window, at once.
    if (liens_.reglages)
        connect(liens_.reglages, &Reglages::changed, this, &FenetrePlatine::calcule);
}
