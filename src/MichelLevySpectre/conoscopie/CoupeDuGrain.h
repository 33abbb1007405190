// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A grain cut at random about its length. The stage draws first the section of greatest
// birefringence: it holds the indicatrix's X and Z, the length at `lente` from Z, and its
// normal is Y. Any other section through the length is that one turned by φ about the length;
// its two waves are the indicatrix's central section across its normal (as in Ondes.h). So a
// random section shows δ′ ≤ γ − α, and in the zone of a monoclinic prism its extinction goes
// from the oblique angle on (010) to straight on (100) (not always through smaller angles:
// near β ≈ γ the slow direction first swings further from the length). No Qt here.
#include "MichelLevySpectre/conoscopie/Indicatrice.h"
#include "MichelLevySpectre/grains/GrainSurPlatine.h"

#include <random>

struct CoupeDuGrain {
    double delta = 0; // δ′ = n_slow − n_fast across the section
    double lente = 0; // the slow direction from the length, degrees, in (−90, 90]
};

// `lente`: γ′ from the length in the section of greatest birefringence, degrees; `phi`: that
// section turned about the length, degrees.
CoupeDuGrain CoupeTournee(const IndicesPrincipaux &n, double lente, double phi);

// The grain drawn in that section instead: its δ′, its Δ and its slow direction.
GrainDessine DansLaCoupe(GrainDessine grain, const IndicesPrincipaux &n, double phi);

// A section through the length drawn at random among those that show at least a quarter of
// γ − α, as a student picks a grain that shows its colours; degrees.
double TireCoupe(const IndicesPrincipaux &n, double lente, std::mt19937 &hasard);
