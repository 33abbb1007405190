// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/recherche/LameLambda.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/couleurs/Ordres.h"
#include "MichelLevySpectre/recherche/Ambiguite.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Where the grain's Δ shows with the plate.
int retardAvecLame(int retard, SensLame sens)
{
    const int lame = int(RetardLameTeinteSensible);
    return sens == SensLame::Addition ? retard + lame : std::abs(retard - lame);
}

// The joint curve along the grain's Δ, for as far as the references reach with the plate.
CourbeEcarts jointe(const CourbeEcarts &sans, const CourbeEcarts &avec, SensLame sens)
{
    CourbeEcarts c;
    for (int r = 0; r < int(sans.ecarts.size()); ++r) {
        const int vu = retardAvecLame(r, sens);
        if (vu >= int(avec.ecarts.size()))
            break;
        c.ecarts.push_back((sans.ecarts[std::size_t(r)] + avec.ecarts[std::size_t(vu)]) / 2);
        c.expositions.push_back(sans.expositions[std::size_t(r)]);
    }
    return c;
}

} // namespace

std::vector<CandidatLambda> RechercheAvecLambda(std::span<const RgbLineaire> reference,
                                                const GrainPhotographie &sans,
                                                const GrainPhotographie &avec)
{
    if (GrainEteint(sans) || GrainEteint(avec))
        return {};
    const CourbeEcarts courbeSans = EcartsLeLongDuRetard(reference, sans);
    const CourbeEcarts courbeAvec = EcartsLeLongDuRetard(reference, avec);
    std::vector<CandidatLambda> tous;
    for (const SensLame sens : {SensLame::Addition, SensLame::Soustraction})
        for (const Candidat &c : CandidatsDeLaCourbe(jointe(courbeSans, courbeAvec, sens))) {
            const auto vu = std::size_t(retardAvecLame(c.retard, sens));
            tous.push_back(
                {c, sens, courbeSans.ecarts[std::size_t(c.retard)], courbeAvec.ecarts[vu]});
        }
    std::stable_sort(tous.begin(), tous.end(), [](const auto &a, const auto &b) {
        return a.candidat.ecart < b.candidat.ecart;
    });
    std::vector<CandidatLambda> choisis;
    std::vector<Candidat> reponses;
    for (const CandidatLambda &c : tous)
        if (choisis.size() < CandidatsMax && ReponseNouvelle(reponses, c.candidat)) {
            choisis.push_back(c);
            reponses.push_back(c.candidat);
        }
    return choisis;
}

std::string PhraseLambda(std::span<const CandidatLambda> candidats, bool ambiguSans)
{
    if (candidats.empty())
        return {};
    const CandidatLambda &c = candidats.front();
    const int vu = retardAvecLame(c.candidat.retard, c.sens);
    // High-order white stays white either way: neither the direction nor Δ can be read.
    std::string s = c.candidat.blancSuperieur
                        ? "Lame λ : la teinte reste blanche, blanc d'ordre supérieur (Δ ≥ " +
                              std::to_string(DebutBlancSuperieur) + " nm)"
                        : std::string("Lame λ : ") +
                              (c.sens == SensLame::Addition ? "addition" : "soustraction") +
                              ", Δ ≈ " + std::to_string(c.candidat.retard) + " nm (" +
                              NomOrdre(OrdreDuRetard(vu, IntervalleOrdres)) + ", " +
                              std::to_string(vu) + " nm, avec la lame)";
    if (ambiguSans)
        s += " ; la photographie avec lame λ a tranché";
    return s;
}

ReponseLambda RepondAvecLambda(std::span<const RgbLineaire> reference,
                               const GrainPhotographie &sans, const GrainPhotographie &avec)
{
    const std::vector<CandidatLambda> deux = RechercheAvecLambda(reference, sans, avec);
    const bool ambigu = !AvertissementAmbiguite(RechercheTeinte(reference, sans)).empty();
    ReponseLambda r;
    for (const CandidatLambda &c : deux)
        r.candidats.push_back(c.candidat);
    for (const std::string &a :
         {AvertissementPrise(sans), AvertissementPrise(avec), PhraseLambda(deux, ambigu)})
        if (!a.empty())
            r.avertissements += (r.avertissements.empty() ? "" : "\n") + a;
    return r;
}
