// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "MichelLevySpectre/RetardCouleur.h"

#include <cstdint>
#include <span>
#include <vector>

// Neighbouring rows turned together, lane by lane, by voiesBalayage × Δ (a power of two, so
// that angle is exact).
constexpr int voiesBalayage = 8;

// cos and sin of an angle.
struct Rotation {
    double c = 1.0;
    double s = 0.0;
};

// A sample that adds to the sums. Rows [debut, fin) follow its phase by rotation; the others
// take CouleurRetard's own weight.
struct EchantillonBalayage {
    std::int32_t x = 0;
    double R = 0.0, G = 0.0, B = 0.0;
    Rotation unPas;    // one row: Δ = pas_ × 2π / x
    Rotation unGroupe; // voiesBalayage rows
    std::int64_t debut = 0;
    std::int64_t fin = 0;
};

// The samples of the spectrum, in order, for a sweep of rows 0..lignes - 1 at
// x = origine + i × pas_.
// Samples with x = 0 or without colour add exactly nothing and are left out.
std::vector<EchantillonBalayage> PlanBalayage(std::span<const RetardCouleur> spectre,
                                              std::int32_t pas_, std::int64_t lignes,
                                              std::int32_t origine = 0);

Rotation RotationDe(double angle);
