// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "MichelLevySpectre/RetardCouleur.h"

#include <span>

struct CouleurSomme {
    double R = 0.0;
    double G = 0.0;
    double B = 0.0;
};

// Phase of one sample: retard × 2π / x, multiplied then divided; x must not be 0.
double PhaseRetard(std::int64_t retard, std::int32_t x);

// Weight (cos φ + 1) / 2 of one sample, φ its phase plus π in monochromatic light.
double PoidsEchantillon(std::int64_t retard, std::int32_t x, ModeLumiere mode);

// Sum over the spectrum of each sample's channels weighted by (cos φ + 1) / 2 with
// φ = retard × 2π / x (plus π in monochromatic light). A sample with x = 0 is a slot that no
// light source filled: it adds nothing.
CouleurSomme CouleurRetard(std::int64_t retard, std::span<const RetardCouleur> spectre,
                           ModeLumiere mode);

// Fills rows 0..min(H, (fin - debut) div pas_ + 1) of table (H its last index) with
// x = i × pas_ and the normalised colour of that retardation; never changes its length.
// A step of 0 gives every row retardation 0.
void CalculInterferences(std::int32_t debut, std::int32_t fin, std::int32_t pas_,
                         std::span<const RetardCouleur> spectre, Tab_RetardCouleur &table,
                         ModeLumiere mode);

// Retardation of row i: i × pas_, held to the 32-bit range.
std::int32_t RetardDeLigne(std::int64_t i, std::int32_t pas_);

// Last row index that the sweep fills, -1 when none.
std::int64_t DerniereLigne(std::int32_t debut, std::int32_t fin, std::int32_t pas_,
                           std::size_t longueur);

// Brings the raw sums of rows 0..derniere to 0..255 for the light mode.
void NormaliseInterferences(Tab_RetardCouleur &table, std::int64_t derniere,
                            const CouleurSomme &maxima, ModeLumiere mode);
