// SPDX-License-Identifier: GPL-3.0-or-later
// What a click on the photograph does in the identification window: take a grain's colour,
// the white reference, or the thickness from the highest colour of quartz.
#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/identification/FenetreIdentification.h"
#include "MichelLevySpectre/identification/VuePhotographie.h"
#include "MichelLevySpectre/reglages/Reglages.h"
#include "toolkit/LigneMessage.h"

#include <QLabel>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

QString texteCouleur(Rgb8 c)
{
    return QString::fromUtf8("R %1, V %2, B %3").arg(c.r).arg(c.g).arg(c.b);
}

void peint(QLabel *pastille, Rgb8 c)
{
    pastille->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black")
                                .arg(QColor(c.r, c.g, c.b).name()));
}

} // namespace

void FenetreIdentification::attendReferenceBlanc()
{
    clic_ = Clic::Blanc;
    dit(QString::fromUtf8("Cliquez sur une zone neutre : un trou de la lame, le champ en "
                          "polariseurs parallèles ou un blanc d'ordre supérieur"));
}

void FenetreIdentification::attendQuartz()
{
    clic_ = Clic::Quartz;
    dit(QString::fromUtf8("Cliquez sur la teinte la plus élevée du quartz dans la lame"));
}

void FenetreIdentification::prendPixel(QPoint pixel)
{
    const RgbLineaire brute = MoyenneLineaire(vue_->image(), pixel.x(), pixel.y());
    const Clic clic = std::exchange(clic_, Clic::Couleur);
    if (clic == Clic::Quartz)
        return etalonneSurQuartz(brute);
    if (clic == Clic::Couleur) {
        pixel_ = pixel;
        for (VuePhotographie *v : {vue_, vueLambda_})
            v->marque(pixel);
        return prendCouleur(brute);
    }
    const BalanceBlancs b = BalanceDepuisNeutre(brute);
    if (!b.erreur.empty())
        return dit(QString::fromStdString(b.erreur));
    balance_ = b;
    dit(QString()); // the request to click goes, taken or not
    montreCouleurs();
    calcule();
    const QString avertissements = message(); // of the colour identified again
    dit(QString::fromUtf8("Référence de blanc prise : elle vaut pour cette photographie") +
        (avertissements.isEmpty() ? QString() : QStringLiteral("\n") + avertissements));
}

void FenetreIdentification::choisitCouleur(Rgb8 couleur)
{
    prendCouleur(SrgbVersLineaire(couleur));
}

void FenetreIdentification::prendCouleur(const RgbLineaire &brute)
{
    couleur_ = brute;
    dit(QString());
    montreCouleurs();
    calcule();
}

void FenetreIdentification::etalonneSurQuartz(const RgbLineaire &brute)
{
    QString erreur;
    const Mineral *quartz = TrouveMineral(reglages_.mineraux(&erreur), "quartz");
    if (!quartz)
        return dit(erreur.isEmpty()
                       ? QString::fromUtf8("Le quartz n'est pas dans la table des minéraux")
                       : erreur);
    // Quartz shows first-order colours in any section thin enough to be read.
    const std::vector<Candidat> c =
        RechercheTeinte(reference(ReglagesBalances(microscope_, balance_)),
                        LitGrain(brute, Equilibre(brute, balance_.matrice)));
    const auto premier = std::find_if(c.begin(), c.end(), [](const Candidat &d) {
        return d.ordre == 1 && !d.blancSuperieur && d.ecart <= SeuilConcordance;
    });
    if (premier == c.end())
        return dit(QString::fromUtf8("Aucune teinte du 1er ordre ne correspond à cette couleur : "
                                     "l'épaisseur reste de %1 µm")
                       .arg(QString::fromStdString(TexteEpaisseur(epaisseurUm_))));
    const double epaisseur = premier->retard / (quartz->deltaMax * 1000);
    if (!(epaisseur >= EpaisseurMin && epaisseur <= EpaisseurMax))
        return dit(QString::fromUtf8("Cette couleur ne donne pas une épaisseur de 1 à 1000 µm "
                                     "pour le quartz : l'épaisseur reste de %1 µm")
                       .arg(QString::fromStdString(TexteEpaisseur(epaisseurUm_))));
    const double arrondie = std::round(epaisseur * 10) / 10;
    dit(QString::fromUtf8("Quartz à %1 nm : épaisseur de la lame %2 µm")
            .arg(premier->retard)
            .arg(QString::fromStdString(TexteEpaisseur(arrondie))));
    changeEpaisseur(arrondie);
}

void FenetreIdentification::montreCouleurs()
{
    if (!couleur_)
        return;
    const Rgb8 brute = EncodeSrgb(*couleur_),
               equilibree = EncodeSrgb(Equilibre(*couleur_, balance_.matrice));
    peint(pastille_, brute);
    peint(corrigee_, equilibree);
    const bool balance = balance_.matrice != SansBalance;
    corrigee_->setVisible(balance);
    echantillon_->setText(balance ? QString::fromUtf8("Couleur : %1 ; corrigée du blanc : %2")
                                        .arg(texteCouleur(brute), texteCouleur(equilibree))
                                  : QString::fromUtf8("Couleur : %1").arg(texteCouleur(brute)));
}

void FenetreIdentification::chercheMineral(const QString &nom)
{
    const Mineral *m = TrouveMineral(reglages_.mineraux(), nom.trimmed().toStdString());
    if (!m)
        return dit(QString::fromUtf8("« %1 » n'est pas dans la table des minéraux").arg(Cite(nom)));
    QStringList lignes;
    for (std::size_t i = 0; i < resultats_.size(); ++i)
        if (TrouveMineral(resultats_[i].mineraux, m->nom))
            lignes << QString::number(i + 1);
    const QString texte =
        QString::fromUtf8("%1 : δ de %2 à %3%4 ; %5")
            .arg(QString::fromStdString(m->nom), QString::fromStdString(Decimal(m->deltaMin, 3)),
                 QString::fromStdString(Decimal(m->deltaMax, 3)),
                 m->teintesAnormales ? QString::fromUtf8(", teintes anormales") : QString(),
                 lignes.isEmpty() ? QString::fromUtf8("absent des lignes affichées")
                                  : QString::fromUtf8("ligne %1").arg(lignes.join(", ")));
    dit(texte);
}
