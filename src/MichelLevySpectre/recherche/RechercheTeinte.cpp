// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/recherche/RechercheTeinte.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/couleurs/Gamut.h"
#include "MichelLevySpectre/couleurs/Ordres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

// Colours that differ only in brightness match equally well once exposed: the ranking then
// prefers, by a fraction of a just-visible difference, the exposure nearer ×1 (per factor e)
// and the lower retardation (per 1000 nm), most grains of a section showing low orders. The
// ΔE00 shown stays the colour's own.
constexpr double PenaliteExposition = 0.5;
constexpr double PenaliteRetard = 0.1;

double ecartExpose(const RgbLineaire &reference, const RgbLineaire &couleur, const Lab &lab,
                   double &exposition)
{
    exposition = MeilleureExposition(reference, couleur);
    const double k = exposition;
    return DeltaE2000(
        LineaireVersLab(DansGamut({k * reference.R, k * reference.G, k * reference.B})), lab);
}

// Lower than the previous retardation and not above the next one (a flat bottom counts once).
bool minimumLocal(const std::vector<double> &e, std::size_t r)
{
    return (r == 0 || e[r] < e[r - 1]) && (r + 1 == e.size() || e[r] <= e[r + 1]);
}

bool retenu(const std::vector<Candidat> &choisis, const Candidat &c)
{
    return std::none_of(choisis.begin(), choisis.end(), [&c](const Candidat &d) {
        return std::abs(d.retard - c.retard) < EcartEntreCandidats ||
               (d.blancSuperieur == c.blancSuperieur && (c.blancSuperieur || d.ordre == c.ordre));
    });
}

} // namespace

std::vector<RgbLineaire> ReferenceTeintes(const ReglagesMicroscope &reglages)
{
    std::vector<std::int32_t> longueursOnde;
    for (std::int32_t l = LambdaMin; l <= LambdaMax; ++l)
        longueursOnde.push_back(l);
    return LineairesColorimetriques(longueursOnde, 1, std::size_t(RetardMaxRecherche) + 1,
                                    ModeLumiere::Blanche, reglages);
}

double MeilleureExposition(const RgbLineaire &r, const RgbLineaire &c)
{
    const double rr = r.R * r.R + r.G * r.G + r.B * r.B;
    if (!(rr > 0))
        return 1.0;
    const double k =
        std::clamp((r.R * c.R + r.G * c.G + r.B * c.B) / rr, ExpositionMin, ExpositionMax);
    if (std::max({k * r.R, k * r.G, k * r.B}) <= 1 && std::min({r.R, r.G, r.B}) >= 0)
        return k; // in the gamut: the light itself
    // Out of the gamut, the light shown is s × k × r + (1 − s) × grey: c = a × r + g × (1, 1, 1)
    // by least squares in (a, g), then s = 1 − g / GrisDeMelange and k = a / s.
    const double r1 = r.R + r.G + r.B, c1 = c.R + c.G + c.B;
    const double rc = r.R * c.R + r.G * c.G + r.B * c.B;
    const double determinant = 3 * rr - r1 * r1; // 0 for a grey
    if (!(std::abs(determinant) > 1e-12))
        return k;
    const double a = (3 * rc - r1 * c1) / determinant, g = (rr * c1 - r1 * rc) / determinant;
    const double part = 1 - g / GrisDeMelange;
    if (!(part > 0 && part <= 1))
        return k;
    return std::clamp(a / part, ExpositionMin, ExpositionMax);
}

std::vector<Candidat> RechercheTeinte(std::span<const RgbLineaire> reference,
                                      const RgbLineaire &couleur)
{
    const Lab lab = LineaireVersLab(couleur);
    std::vector<double> ecarts(reference.size()), expositions(reference.size()),
        scores(reference.size());
    for (std::size_t r = 0; r < reference.size(); ++r) {
        ecarts[r] = ecartExpose(reference[r], couleur, lab, expositions[r]);
        scores[r] = ecarts[r] + PenaliteExposition * std::abs(std::log(expositions[r])) +
                    PenaliteRetard * double(r) / 1000;
    }
    std::vector<std::pair<double, Candidat>> minima;
    for (std::size_t r = 0; r < ecarts.size(); ++r)
        if (minimumLocal(scores, r))
            minima.push_back({scores[r],
                              {OrdreDuRetard(double(r), IntervalleOrdres), int(r), ecarts[r],
                               expositions[r], int(r) >= DebutBlancSuperieur}});
    std::stable_sort(minima.begin(), minima.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<Candidat> choisis;
    for (const auto &[score, c] : minima)
        if (choisis.size() < CandidatsMax && retenu(choisis, c))
            choisis.push_back(c);
    return choisis;
}

std::string AvertissementConcordance(std::span<const Candidat> candidats)
{
    if (candidats.empty() || candidats.front().ecart <= SeuilConcordance)
        return {};
    return "Aucune teinte d'interférence ne correspond bien (ΔE00 = " +
           std::to_string(std::lround(candidats.front().ecart)) +
           ") : couleur propre du minéral, photographie trop sombre ou balance des blancs à "
           "refaire ?";
}
