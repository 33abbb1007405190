// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/recherche/Appareil.h"

#include "MichelLevySpectre/couleurs/EcartsCouleur.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

constexpr const char *NomsCanaux[3] = {"rouge", "vert", "bleu"};
// The golden-section search: a first scan of the range in log k, then the bracket around its
// best point narrowed to a ratio of 1.0001.
constexpr int PointsDeDepart = 9;
constexpr double PrecisionLog = 1e-4;

std::array<double, 3> canaux(const RgbLineaire &c) { return {c.R, c.G, c.B}; }

double ecart(const RgbLineaire &reference, double k, const GrainPhotographie &g, const Lab &lab)
{
    return DeltaE2000(LineaireVersLab(VuParLAppareil(reference, k, g)), lab);
}

} // namespace

GrainPhotographie LitGrain(const RgbLineaire &brute, const RgbLineaire &equilibree)
{
    const std::array<double, 3> b = canaux(brute);
    GrainPhotographie g{equilibree, {}};
    for (int c = 0; c < 3; ++c)
        g.sature[std::size_t(c)] = b[std::size_t(c)] >= SeuilSaturation;
    return g;
}

RgbLineaire VuParLAppareil(const RgbLineaire &reference, double k, const GrainPhotographie &g)
{
    const std::array<double, 3> r = canaux(reference), o = canaux(g.couleur);
    std::array<double, 3> v{};
    for (std::size_t c = 0; c < 3; ++c) {
        const double lumiere = std::max(0.0, k * r[c]);
        v[c] = g.sature[c] ? std::min(lumiere, o[c]) : std::min(lumiere, 1.0);
    }
    return {v[0], v[1], v[2]};
}

double ExpositionMoindresCarres(const RgbLineaire &reference, const GrainPhotographie &g)
{
    const std::array<double, 3> r = canaux(reference), o = canaux(g.couleur);
    // Each channel is (k r − o)² below its breakpoint (where k r meets the top, or the grain's
    // saturated value) and constant above: between breakpoints a quadratic with a closed-form
    // minimum. The minimum of each piece, kept within it, and the best of them.
    if (!(std::max({r[0], r[1], r[2]}) > 0))
        return 1.0; // black: any exposure
    // The breakpoints, kept in order as they come (five at most).
    std::array<double, 5> bornes{ExpositionMin, ExpositionMax};
    std::size_t n = 2;
    for (std::size_t c = 0; c < 3; ++c) {
        const double b = r[c] > 0 ? (g.sature[c] ? o[c] : 1.0) / r[c] : 0.0;
        if (!(b > ExpositionMin && b < ExpositionMax))
            continue;
        std::size_t i = n++;
        for (; bornes[i - 1] > b; --i)
            bornes[i] = bornes[i - 1];
        bornes[i] = b;
    }
    const auto residu = [&](double k) {
        const RgbLineaire v = VuParLAppareil(reference, k, g);
        return std::pow(v.R - o[0], 2) + std::pow(v.G - o[1], 2) + std::pow(v.B - o[2], 2);
    };
    double meilleur = ExpositionMin, plusPetit = residu(ExpositionMin);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double milieu = (bornes[i] + bornes[i + 1]) / 2;
        double rr = 0, ro = 0;
        for (std::size_t c = 0; c < 3; ++c)
            if (r[c] > 0 && milieu * r[c] < (g.sature[c] ? o[c] : 1.0))
                rr += r[c] * r[c], ro += r[c] * o[c];
        const double k = rr > 0 ? std::clamp(ro / rr, bornes[i], bornes[i + 1]) : milieu;
        if (const double e = residu(k); e < plusPetit)
            plusPetit = e, meilleur = k;
    }
    return meilleur;
}

double ExpositionDeltaE(const RgbLineaire &reference, const GrainPhotographie &g, double depart)
{
    const Lab lab = LineaireVersLab(g.couleur);
    const auto f = [&](double u) { return ecart(reference, std::exp(u), g, lab); };
    const double bas = std::log(ExpositionMin), haut = std::log(ExpositionMax);
    const double pas = (haut - bas) / (PointsDeDepart - 1);
    int meilleur = 0;
    double plusPetit = f(bas);
    for (int i = 1; i < PointsDeDepart; ++i)
        if (const double e = f(bas + i * pas); e < plusPetit)
            plusPetit = e, meilleur = i;
    double a = bas + std::max(0, meilleur - 1) * pas;
    double b = bas + std::min(PointsDeDepart - 1, meilleur + 1) * pas;
    const double nombreDOr = (std::sqrt(5.0) - 1) / 2;
    double x1 = b - nombreDOr * (b - a), x2 = a + nombreDOr * (b - a);
    double f1 = f(x1), f2 = f(x2);
    while (b - a > PrecisionLog) {
        if (f1 < f2)
            b = x2, x2 = x1, f2 = f1, x1 = b - nombreDOr * (b - a), f1 = f(x1);
        else
            a = x1, x1 = x2, f1 = f2, x2 = a + nombreDOr * (b - a), f2 = f(x2);
    }
    // The scan's best point and the starting k stay when the narrowed bracket does no better.
    double k = std::exp(bas + meilleur * pas);
    for (const double u : {f1 < f2 ? x1 : x2, std::log(depart)})
        if (const double e = f(u); e < plusPetit)
            plusPetit = e, k = std::exp(u);
    return k;
}

bool GrainEteint(const GrainPhotographie &g)
{
    return LineaireVersLab(g.couleur).L < ClarteEteinte;
}

std::string AvertissementPrise(const GrainPhotographie &g)
{
    if (GrainEteint(g))
        return "Grain éteint ou trop sombre : sa teinte ne se lit pas (tournez la platine ou "
               "éclairez davantage)";
    std::vector<std::string> noms;
    for (std::size_t c = 0; c < 3; ++c)
        if (g.sature[c])
            noms.push_back(NomsCanaux[c]);
    if (noms.empty())
        return {};
    std::string s = noms.size() == 1 ? "Canal " + noms[0] : "Canaux " + noms[0];
    for (std::size_t i = 1; i < noms.size(); ++i)
        s += (i + 1 == noms.size() ? " et " : ", ") + noms[i];
    return s + (noms.size() == 1 ? " saturé" : " saturés") +
           " : la photographie est surexposée, la teinte n'est connue qu'en partie";
}
