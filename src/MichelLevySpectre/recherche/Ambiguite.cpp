// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/recherche/Ambiguite.h"

#include "MichelLevySpectre/couleurs/Ordres.h"

#include <algorithm>
#include <cmath>

namespace {

bool rival(const Candidat &meilleur, const Candidat &c)
{
    return std::abs(c.retard - meilleur.retard) > EcartAmbigu &&
           c.ecart <= meilleur.ecart + ToleranceAmbigue;
}

std::string nom(const Candidat &c)
{
    return c.blancSuperieur ? NomTeinte(c.retard)
                            : NomOrdre(c.ordre) + " (≈ " + std::to_string(c.retard) + " nm)";
}

} // namespace

void MetAmbiguiteEnTete(std::vector<Candidat> &candidats)
{
    if (candidats.size() < 3)
        return;
    const auto r = std::find_if(candidats.begin() + 1, candidats.end(),
                                [&](const Candidat &c) { return rival(candidats.front(), c); });
    if (r != candidats.end())
        std::rotate(candidats.begin() + 1, r, r + 1);
}

std::string AvertissementAmbiguite(std::span<const Candidat> candidats)
{
    if (candidats.size() < 2 || !rival(candidats[0], candidats[1]))
        return {};
    return "Teinte ambiguë : " + nom(candidats[0]) + " ou " + nom(candidats[1]) +
           " ; insérez la lame λ pour trancher";
}
