// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two photographs of the same grain, the second with the λ plate (551 nm, slow direction NE–SW)
// inserted: the grain's Δ shows Δ + 551 where its slow direction is parallel to the plate's
// (addition) and |Δ − 551| where it is across (soustraction). Δ is fitted to both colours at
// once, which tells first-order grey (second-order blue or first-order yellow with the plate)
// from high-order white (still white). No Qt here.
#include "MichelLevySpectre/recherche/RechercheTeinte.h"

#include <span>
#include <string>
#include <vector>

struct CandidatLambda {
    Candidat candidat; // ecart: the mean of both photographs' ΔE00
    SensLame sens = SensLame::Addition;
    double ecartSans = 0, ecartAvec = 0; // ΔE00 of each photograph
};

// The best candidates, best first, from the plain references (no plate) of 0..RetardMaxRecherche
// nm; none when either grain is too dark to read.
std::vector<CandidatLambda> RechercheAvecLambda(std::span<const RgbLineaire> reference,
                                                const GrainPhotographie &sans,
                                                const GrainPhotographie &avec);

// The rows and the warnings, one a line, of a grain read on both photographs: each photograph's
// dark or saturated grain, then PhraseLambda.
struct ReponseLambda {
    std::vector<Candidat> candidats;
    std::string avertissements;
};
ReponseLambda RepondAvecLambda(std::span<const RgbLineaire> reference,
                               const GrainPhotographie &sans, const GrainPhotographie &avec);

// "Lame λ : addition, Δ ≈ 190 nm (2e ordre, 741 nm, avec la lame)" (or that high-order white
// stays white), and, when the first
// photograph alone was ambiguous, that the second one decided.
std::string PhraseLambda(std::span<const CandidatLambda> candidats, bool ambiguSans);
