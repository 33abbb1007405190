// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/conoscopie/ExerciceSigne.h"

#include "MichelLevySpectre/Arithmetique.h"

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr double InclinaisonMin = 5, InclinaisonMax = 20; // degrees, a cross still in the field

std::string verdict(bool juste) { return juste ? "Juste : " : "Non : "; }

std::string degres(double v) { return std::to_string(std::lround(v)) + "°"; }

std::string nomClasse(ClasseDeuxV c)
{
    switch (c) {
    case ClasseDeuxV::MoinsDe30:
        return "moins de 30°";
    case ClasseDeuxV::De30A60:
        return "de 30 à 60°";
    case ClasseDeuxV::PlusDe60:
        break;
    }
    return "plus de 60°";
}

bool uniaxe(const IndicesPrincipaux &n) { return n.alpha == n.beta || n.beta == n.gamma; }

} // namespace

ClasseDeuxV ClasseDe(double deuxV)
{
    return deuxV < 30    ? ClasseDeuxV::MoinsDe30
           : deuxV <= 60 ? ClasseDeuxV::De30A60
                         : ClasseDeuxV::PlusDe60;
}

std::optional<ExerciceSigne> TireExercice(std::span<const Mineral> table, std::uint32_t graine)
{
    std::vector<ExerciceSigne> possibles;
    for (const Mineral &m : table)
        if (const std::optional<IndicesPrincipaux> n = IndicesDuMineral(m);
            n && n->gamma > n->alpha)
            possibles.push_back({m, {*n, {}}});
    if (possibles.empty())
        return std::nullopt;
    std::mt19937 hasard(graine);
    ExerciceSigne e =
        possibles[std::uniform_int_distribution<std::size_t>(0, possibles.size() - 1)(hasard)];
    const bool autre = std::bernoulli_distribution(0.3)(hasard);
    OrientationGrain &o = e.grain.orientation;
    if (uniaxe(e.grain.indices)) {
        o.section = autre ? SectionGrain::Inclinee : SectionGrain::AxeOptique;
        if (autre)
            o.inclinaison =
                std::uniform_real_distribution<double>(InclinaisonMin, InclinaisonMax)(hasard);
    } else {
        o.section = autre ? SectionGrain::AxeOptique : SectionGrain::BissectriceAigue;
    }
    o.platine = std::uniform_int_distribution<int>(0, 359)(hasard);
    return e;
}

JugementSigne JugeReponse(const ExerciceSigne &e, const ReponseSigne &r, double ouverture)
{
    const IndicesPrincipaux &n = e.grain.indices;
    const bool biaxe = !uniaxe(n), positif = SignePositif(n);
    const double deuxV = biaxe ? Angle2V(n) : 0;
    JugementSigne j;

    j.caractere.juste = r.biaxe == biaxe;
    j.caractere.pourquoi =
        verdict(j.caractere.juste) +
        (biaxe ? "le grain est biaxe : quand la platine tourne, la croix s'ouvre en deux "
                 "hyperboles, les isogyres, qui passent par les mélatopes où sortent les deux "
                 "axes optiques."
               : "le grain est uniaxe : quand la platine tourne, la croix noire garde ses bras "
                 "parallèles aux polariseurs, et les isochromes sont des cercles autour de "
                 "l'axe optique.");

    j.signe.juste = r.positif == positif;
    std::string signe = positif ? "il est positif" : "il est négatif";
    if (!biaxe)
        signe += positif ? " (ε > ω) : avec la lame λ, dont la direction lente est NE–SO, le "
                           "bleu d'addition (2e ordre) apparaît près du centre dans les quadrants "
                           "NE et SO, le jaune de soustraction dans NO et SE."
                         : " (ε < ω) : avec la lame λ, dont la direction lente est NE–SO, le "
                           "jaune de soustraction apparaît près du centre dans les quadrants NE "
                           "et SO, le bleu d'addition dans NO et SE.";
    else
        signe += positif ? " (Z, la direction lente, est la bissectrice aiguë) : sur la "
                           "bissectrice aiguë à 45°, le plan des axes optiques NE–SO, la lame λ "
                           "rend jaune la région entre les isogyres (la vibration lente y est "
                           "perpendiculaire à celle de la lame) et bleue celle au-delà."
                         : " (X, la direction rapide, est la bissectrice aiguë) : sur la "
                           "bissectrice aiguë à 45°, le plan des axes optiques NE–SO, la lame λ "
                           "rend bleue la région entre les isogyres (la vibration lente y est "
                           "parallèle à celle de la lame) et jaune celle au-delà.";
    j.signe.pourquoi = verdict(j.signe.juste) + signe;

    const ClasseDeuxV classe = ClasseDe(deuxV);
    j.deuxV.juste = r.deuxV == classe;
    std::string angle;
    if (!biaxe) {
        angle = "un uniaxe n'a qu'un axe optique, 2V = 0° (moins de 30°) : la croix ne s'ouvre "
                "pas.";
    } else {
        angle = "2V vaut environ " + degres(deuxV);
        if (e.mineral.deuxV)
            angle +=
                " (publié : " + degres(e.mineral.deuxV->min) +
                (e.mineral.deuxV->max != e.mineral.deuxV->min ? " à " + degres(e.mineral.deuxV->max)
                                                              : std::string()) +
                ")";
        angle += ", " + nomClasse(classe) + ". ";
        const double sinE = n.beta * std::sin(deuxV / 2 * std::numbers::pi / 180);
        const double rho = sinE / ouverture;
        if (sinE < 1 && rho <= 1)
            angle += "Sur la bissectrice aiguë à 45°, les mélatopes sont à ρ ≈ " + Decimal(rho, 2) +
                     " du centre (Mallard : sin E = nβ sin V, ρ = sin E / ON)";
        else
            angle += "Sur la bissectrice aiguë à 45°, les mélatopes sortent du champ (Mallard : "
                     "sin E = nβ sin V, ρ = sin E / ON " +
                     std::string(sinE < 1 ? "≈ " + Decimal(rho, 2) : "au-delà de 1") + ")";
        angle += " ; sur l'axe optique, l'isogyre à 45° est d'autant plus courbe que 2V est "
                 "petit, presque droit vers 90°.";
    }
    j.deuxV.pourquoi = verdict(j.deuxV.juste) + angle;
    return j;
}
