// SPDX-License-Identifier: GPL-3.0-or-later
// What the conoscope's controls compute: typed values read (a bad one refused in French, the
// old value kept), the figure drawn and saved.
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/figureconoscopique/FenetreConoscopie.h"
#include "MichelLevySpectre/figureconoscopique/VueConoscopique.h"
#include "MichelLevySpectre/figures/ExportFigures.h"
#include "MichelLevySpectre/figures/Figures.h"
#include "MichelLevySpectre/figures/Typographie.h"
#include "MichelLevySpectre/mineraux/LectureRetard.h"
#include "MichelLevySpectre/platine/CadranPlatine.h"
#include "MichelLevySpectre/platine/ChampTournant.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/LigneMessage.h"
#include "toolkit/Programme.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr double OuvertureMin = 0.05, OuvertureMax = 1.0;
constexpr double InclinaisonMax = 90; // degrees, either way
// While the stage turns or the wedge slides, the figure is drawn at most this size (pixels)
// and scaled; the full one follows when it stops.
constexpr int CoteEnMouvement = 320;

QString texte(const std::string &s) { return QString::fromStdString(s); }

QString decimal(double v, int decimales) { return texte(Decimal(v, decimales)); }

// What the figure shows now, to keep when a typed value is refused.
QString actuel(const EtatConoscopie &e)
{
    return e.cache             ? QString::fromUtf8("du grain de l'exercice")
           : e.mineral.empty() ? QString::fromUtf8("des indices saisis")
                               : QString::fromUtf8("de « %1 »").arg(texte(e.mineral));
}

} // namespace

void FenetreConoscopie::dit(const QString &message) { message_->setText(message); }

QString FenetreConoscopie::message() const { return message_->text(); }
QString FenetreConoscopie::lecture() const { return lecture_->text(); }
QString FenetreConoscopie::verdict() const { return verdict_->text(); }

QString FenetreConoscopie::titre() const { return Capitale(texte(TitreConoscopie(etat_))); }

QString FenetreConoscopie::sousTitre() const
{
    const ReglagesMicroscope &r = reglages_.microscope();
    return Capitale(texte(ConoscopieEnMots(etat_))) + QStringLiteral(", ") +
           texte(LampeEtVisionEnMots(r)) +
           (r.polariseurs == Polariseurs::Croises ? QString::fromUtf8(", polariseurs croisés")
                                                  : QString::fromUtf8(", polariseurs parallèles"));
}

void FenetreConoscopie::fermeCorrection()
{
    verdict_->clear();
    boiteExercice_->hide();
}

void FenetreConoscopie::litMineral()
{
    const QString nom = mineral_->text().trimmed();
    if (nom.isEmpty() || etat_.cache)
        return;
    QString erreur;
    const std::vector<Mineral> &table = reglages_.mineraux(&erreur);
    const Mineral *m = TrouveMineral(table, nom.toStdString());
    if (!m) {
        dit(table.empty() ? erreur
                          : QString::fromUtf8("« %1 » n'est pas dans la table des minéraux : la "
                                              "figure reste celle %2.")
                                .arg(Cite(nom), actuel(etat_)));
        return;
    }
    const std::optional<IndicesPrincipaux> n = IndicesDuMineral(*m);
    if (!n || !(n->gamma > n->alpha)) {
        dit(n ? QString::fromUtf8("« %1 » est isotrope : il reste noir entre polariseurs "
                                  "croisés, sans figure d'interférence ; la figure reste celle %2.")
                    .arg(Cite(nom), actuel(etat_))
              : QString::fromUtf8("La table ne donne pas les indices de « %1 » : tapez-les sous "
                                  "« ou indices » ; la figure reste celle %2.")
                    .arg(Cite(nom), actuel(etat_)));
        return;
    }
    dit({});
    if (m->nom != etat_.mineral)
        fermeCorrection();
    etat_.mineral = m->nom;
    etat_.grain.indices = *n;
    mineral_->setText(texte(m->nom));
    indices_->clear();
    calcule();
}

void FenetreConoscopie::litIndices()
{
    const QString tape = indices_->text().trimmed();
    if (tape.isEmpty() || etat_.cache)
        return;
    const std::optional<std::vector<double>> valeurs = LitValeursIndices(tape.toStdString());
    const std::optional<IndicesPrincipaux> n = valeurs ? IndicesDesValeurs(*valeurs) : std::nullopt;
    if (!n || !(n->gamma > n->alpha)) {
        dit(QString::fromUtf8("« %1 » : ω ; ε ou nα ; nβ ; nγ, dans l'ordre croissant et de 1,3 "
                              "à 3, sont attendus (deux indices égaux font un grain isotrope) ; "
                              "la figure reste celle %2.")
                .arg(Cite(tape), actuel(etat_)));
        return;
    }
    dit({});
    fermeCorrection();
    etat_.mineral.clear();
    etat_.grain.indices = *n;
    mineral_->clear();
    calcule();
}

void FenetreConoscopie::litSection()
{
    const auto section = static_cast<SectionGrain>(section_->currentIndex());
    if (section != etat_.grain.orientation.section)
        fermeCorrection();
    etat_.grain.orientation.section = section;
    inclinaison_->setEnabled(!etat_.cache &&
                             etat_.grain.orientation.section == SectionGrain::Inclinee);
    litInclinaison();
}

void FenetreConoscopie::litInclinaison()
{
    const QString tape = inclinaison_->text();
    const std::optional<double> v = LitDecimal(tape.toStdString());
    OrientationGrain &o = etat_.grain.orientation;
    if (!v || std::abs(*v) > InclinaisonMax) {
        dit(QString::fromUtf8("« %1 » n'est pas une inclinaison de -90 à 90° : elle reste de "
                              "%2°.")
                .arg(Cite(tape), decimal(o.inclinaison, 0)));
        inclinaison_->setText(decimal(o.inclinaison, 0));
        return;
    }
    if (o.section == SectionGrain::Inclinee)
        o.inclinaison = *v;
    calcule();
}

void FenetreConoscopie::litEpaisseur()
{
    const QString tape = epaisseur_->text();
    if (const std::optional<double> e = LitEpaisseur(tape.toStdString())) {
        dit({});
        etat_.conoscope.epaisseur = *e;
        calcule();
        return;
    }
    dit(QString::fromUtf8("« %1 » n'est pas une épaisseur de 1 à 1000 µm : elle reste de %2 µm.")
            .arg(Cite(tape), texte(TexteEpaisseur(etat_.conoscope.epaisseur))));
    epaisseur_->setText(texte(TexteEpaisseur(etat_.conoscope.epaisseur)));
}

void FenetreConoscopie::litOuverture()
{
    const QString tape = ouverture_->text();
    if (const std::optional<double> v = LitDecimal(tape.toStdString());
        v && *v >= OuvertureMin && *v <= OuvertureMax) {
        dit({});
        etat_.conoscope.ouverture = *v;
        calcule();
        return;
    }
    dit(QString::fromUtf8("« %1 » n'est pas une ouverture numérique de 0,05 à 1 : elle reste de "
                          "%2.")
            .arg(Cite(tape), decimal(etat_.conoscope.ouverture, 2)));
    ouverture_->setText(decimal(etat_.conoscope.ouverture, 2));
}

void FenetreConoscopie::litLame()
{
    etat_.lame = static_cast<LameAuxiliaire>(lame_->currentIndex());
    etat_.biseau = biseau_->value();
    biseau_->setEnabled(etat_.lame == LameAuxiliaire::Biseau);
    if (biseau_->isSliderDown()) {
        dessine(std::min(vue_->coteUtile(), CoteEnMouvement));
        finition_->start();
        montreEtat();
    } else {
        calcule();
    }
}

void FenetreConoscopie::litLumiere()
{
    const bool mono = sorteLumiere_->currentIndex() == 1;
    longueurOnde_->setEnabled(mono);
    etat_.monochromatique =
        mono ? std::optional<std::int32_t>(longueurOnde_->value()) : std::nullopt;
    calcule();
}

void FenetreConoscopie::choisitAngle(int degres)
{
    etat_.grain.orientation.platine = (degres % 360 + 360) % 360;
    cadran_->montre(int(etat_.grain.orientation.platine));
    // Quick drawings while it turns, the full one once it stops.
    dessine(std::min(vue_->coteUtile(), CoteEnMouvement));
    finition_->start();
    montreEtat();
}

void FenetreConoscopie::calcule()
{
    if (!vue_ || !sorteLumiere_ || !biseau_) // still being built
        return;
    finition_->stop();
    dessine(vue_->coteUtile());
    montreEtat();
}

void FenetreConoscopie::dessine(int cote)
{
    ReglagesMicroscope r = reglages_.microscope();
    r.lame = LameAuxiliaire::Aucune; // the conoscope's plate is its own
    r.sens = SensLame::Addition;
    const PourLumiere pour{r, RetardLameFigure(etat_),
                           RetardMaxFigure(etat_.grain.indices, etat_.conoscope),
                           etat_.monochromatique};
    if (lumierePour_ != pour) {
        lumiereFigure_ =
            PrepareLumiereConoscopie(r, pour.retardLame, pour.retardMax, pour.monochromatique);
        lumierePour_ = pour;
    }
    vue_->montre(
        ImageDeLaFigure(DessineFigure(*lumiereFigure_, etat_.grain, etat_.conoscope, cote)),
        habillage());
}

HabillageFigure FenetreConoscopie::habillage() const
{
    static const char *const noms[] = {"", "λ", "λ/4", "biseau"};
    return {reglages_.microscope().polariseurs == Polariseurs::Croises,
            QString::fromUtf8(noms[int(etat_.lame)])};
}

void FenetreConoscopie::montreEtat()
{
    const IndicesPrincipaux &n = etat_.grain.indices;
    QString grain;
    if (etat_.cache)
        grain = QString::fromUtf8("Minéral caché : à vous de le reconnaître.");
    else if (n.alpha == n.beta || n.beta == n.gamma)
        grain =
            QString::fromUtf8("%1 : %2, ω %3, ε %4.")
                .arg(etat_.mineral.empty() ? QString::fromUtf8("Indices saisis")
                                           : Capitale(texte(etat_.mineral)),
                     texte(CaractereEnMots(n)), decimal(n.alpha == n.beta ? n.alpha : n.gamma, 3),
                     decimal(n.alpha == n.beta ? n.gamma : n.alpha, 3));
    else
        grain = QString::fromUtf8("%1 : %2, nα %3, nβ %4, nγ %5.")
                    .arg(etat_.mineral.empty() ? QString::fromUtf8("Indices saisis")
                                               : Capitale(texte(etat_.mineral)),
                         texte(CaractereEnMots(n)), decimal(n.alpha, 3), decimal(n.beta, 3),
                         decimal(n.gamma, 3));
    lecture_->setText(grain + QLatin1Char('\n') + sousTitre() + QLatin1Char('.'));
}

void FenetreConoscopie::keyPressEvent(QKeyEvent *evenement)
{
    if (const int d = DegresDeLaTouche(evenement->key(), evenement->modifiers()))
        tourne(d);
    else
        QWidget::keyPressEvent(evenement);
}
