// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "MichelLevySpectre/RetardCouleur.h"

#include <cstdint>
#include <span>

// Raw colour sums (not normalised) of rows 0..derniere, x = origine + i × pas_ (an accessory
// plate adds its own retardation), the samples added to each
// row in spectrum order as CouleurRetard adds them. Each sample's weight is followed along the
// rows by rotation, re-seeded with std::cos/std::sin at every block of rows, and stays within
// about 3e-13 of CouleurRetard's up to 1024 rad and 2.5 × 2⁻⁵³ × |phase| beyond; rows at
// phases below 0.5 rad take CouleurRetard's own weight (see PlanBalayage.cpp and
// BalayageRapide.cpp).
void SommesBalayage(std::int32_t pas_, std::int64_t derniere,
                    std::span<const RetardCouleur> spectre, Tab_RetardCouleur &table,
                    ModeLumiere mode, std::int32_t origine = 0);
