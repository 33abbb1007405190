// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/presentation/Recherche.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/presentation/EcartsCouleur.h"
#include "MichelLevySpectre/presentation/Ordres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

double ecartExpose(const RgbLineaire &reference, const RgbLineaire &couleur, const Lab &lab,
                   double &exposition)
{
    exposition = MeilleureExposition(reference, couleur);
    const auto canal = [&](double v) { return std::min(1.0, exposition * v); };
    return DeltaE2000(LineaireVersLab({canal(reference.R), canal(reference.G), canal(reference.B)}),
                      lab);
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
    const std::vector<Rgb8> rgb = CouleursColorimetriques(
        longueursOnde, 1, std::size_t(RetardMaxRecherche) + 1, ModeLumiere::Blanche, reglages);
    std::vector<RgbLineaire> lineaires(rgb.size());
    std::transform(rgb.begin(), rgb.end(), lineaires.begin(), SrgbVersLineaire);
    return lineaires;
}

double MeilleureExposition(const RgbLineaire &r, const RgbLineaire &c)
{
    const double norme = r.R * r.R + r.G * r.G + r.B * r.B;
    if (!(norme > 0))
        return 1.0;
    return std::clamp((r.R * c.R + r.G * c.G + r.B * c.B) / norme, ExpositionMin, ExpositionMax);
}

std::vector<Candidat> RechercheTeinte(std::span<const RgbLineaire> reference,
                                      const RgbLineaire &couleur)
{
    const Lab lab = LineaireVersLab(couleur);
    std::vector<double> ecarts(reference.size()), expositions(reference.size());
    for (std::size_t r = 0; r < reference.size(); ++r)
        ecarts[r] = ecartExpose(reference[r], couleur, lab, expositions[r]);
    std::vector<Candidat> minima;
    for (std::size_t r = 0; r < ecarts.size(); ++r)
        if (minimumLocal(ecarts, r))
            minima.push_back({OrdreDuRetard(double(r), IntervalleOrdres), int(r), ecarts[r],
                              expositions[r], int(r) >= DebutBlancSuperieur});
    std::stable_sort(minima.begin(), minima.end(),
                     [](const Candidat &a, const Candidat &b) { return a.ecart < b.ecart; });
    std::vector<Candidat> choisis;
    for (const Candidat &c : minima)
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
