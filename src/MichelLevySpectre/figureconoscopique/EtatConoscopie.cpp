// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/figureconoscopique/EtatConoscopie.h"

#include "MichelLevySpectre/Arithmetique.h"

#include <cmath>

std::string SectionEnMots(const OrientationGrain &o)
{
    switch (o.section) {
    case SectionGrain::AxeOptique:
        return "axe optique";
    case SectionGrain::BissectriceAigue:
        return "bissectrice aiguë";
    case SectionGrain::BissectriceObtuse:
        return "bissectrice obtuse";
    case SectionGrain::NormaleOptique:
        return "normale optique (figure flash)";
    case SectionGrain::Inclinee:
        break;
    }
    return "axe optique incliné de " + Decimal(o.inclinaison, 0) + "° vers l'est";
}

namespace {

std::string lame(const EtatConoscopie &e)
{
    switch (e.lame) {
    case LameAuxiliaire::TeinteSensible:
        return "lame λ (551 nm)";
    case LameAuxiliaire::QuartDOnde:
        return "lame λ/4 (147 nm)";
    case LameAuxiliaire::Biseau:
        return "biseau de quartz à " + Decimal(RetardLameFigure(e), 0) + " nm";
    case LameAuxiliaire::Aucune:
        break;
    }
    return "sans lame";
}

bool uniaxe(const IndicesPrincipaux &n) { return n.alpha == n.beta || n.beta == n.gamma; }

} // namespace

double RetardLameFigure(const EtatConoscopie &etat) { return RetardLame(etat.lame, etat.biseau); }

std::string CaractereEnMots(const IndicesPrincipaux &n)
{
    if (!(n.gamma > n.alpha))
        return "isotrope";
    const std::string signe = SignePositif(n) ? " +" : " −";
    if (uniaxe(n))
        return "uniaxe" + signe;
    return "biaxe" + signe + ", 2V " + Decimal(Angle2V(n), 0) + "°";
}

std::string ConoscopieEnMots(const EtatConoscopie &e)
{
    const std::string lumiere =
        e.monochromatique ? "lumière monochromatique " + std::to_string(*e.monochromatique) + " nm"
                          : "lumière blanche";
    return (e.cache ? std::string("section cachée") : SectionEnMots(e.grain.orientation)) +
           ", platine à " + Decimal(e.grain.orientation.platine, 0) + "°, " + lame(e) + ", " +
           Decimal(e.conoscope.epaisseur,
                   e.conoscope.epaisseur == std::round(e.conoscope.epaisseur) ? 0 : 1) +
           " µm, ouverture " + Decimal(e.conoscope.ouverture, 2) + ", " + lumiere;
}

std::string TitreConoscopie(const EtatConoscopie &e)
{
    const IndicesPrincipaux &n = e.grain.indices;
    std::string nom;
    if (e.cache)
        nom = "Minéral inconnu";
    else if (!e.mineral.empty())
        nom = e.mineral + " (" + CaractereEnMots(n) + ")";
    else if (uniaxe(n))
        nom = "ω " + Decimal(n.alpha == n.beta ? n.alpha : n.gamma, 3) + ", ε " +
              Decimal(n.alpha == n.beta ? n.gamma : n.alpha, 3) + " (" + CaractereEnMots(n) + ")";
    else
        nom = "nα " + Decimal(n.alpha, 3) + ", nβ " + Decimal(n.beta, 3) + ", nγ " +
              Decimal(n.gamma, 3) + " (" + CaractereEnMots(n) + ")";
    return nom + " : figure d'interférence";
}
