// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/charte/Graduations.h"

#include "MichelLevySpectre/charte/GeometrieCharte.h"

#include <algorithm>
#include <cmath>

namespace {

// The multiples of `pas` in [debut, fin], from the first one at or after debut.
std::vector<double> multiples(double debut, double fin, double pas, bool debutCompris)
{
    std::vector<double> v;
    if (!(pas > 0) || !(fin >= debut))
        return v;
    double k = std::ceil(debut / pas);
    if (!debutCompris && k * pas <= debut)
        ++k;
    for (; k * pas <= fin * (1 + 1e-12); ++k)
        v.push_back(k * pas);
    return v;
}

} // namespace

std::vector<std::int64_t> GraduationsRetard(double debut, double fin, double largeur,
                                            double largeurEtiquette)
{
    const double etendue = fin - debut;
    if (!(etendue > 0) || !(largeur > 0))
        return {std::llround(debut)};
    // One label and the same again as a gap.
    const int place = std::max(1, int(largeur / (2 * std::max(1.0, largeurEtiquette))));
    const double pas = std::max(1.0, PasGraduation(etendue, place));
    std::vector<std::int64_t> v;
    for (const double r : multiples(debut, fin, pas, true))
        v.push_back(std::llround(r));
    return v;
}

ReperesOrdres ReperesDOrdre(double debut, double fin, double intervalle, double largeur,
                            double ecartMin)
{
    ReperesOrdres r;
    const double etendue = fin - debut;
    if (!(etendue > 0) || !(intervalle > 0) || !(largeur > 0))
        return r;
    const double ecart = intervalle / etendue * largeur;
    if (ecart < ecartMin)
        r.tous = std::max<std::int64_t>(2, std::llround(PasGraduation(ecartMin / ecart, 1)));
    r.retards = multiples(debut, fin, double(r.tous) * intervalle, false);
    return r;
}
