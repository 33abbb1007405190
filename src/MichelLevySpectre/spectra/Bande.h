// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "MichelLevySpectre/RetardCouleur.h"

#include <cstdint>

// The wavelengths lo <= x < hi that a band keeps.
struct LimitesBande {
    std::int64_t lo = 0;
    std::int64_t hi = 0;
    bool contient(std::int64_t x) const { return lo <= x && x < hi; }
};

// lo = trunc(c - w/2) + 1 and hi = trunc(c + w/2) + 1.
LimitesBande BandeDe(std::int32_t centre, std::int32_t largeur);

// Copies blanche into incidente, keeping the colour only in the band; x is always kept.
void FiltreBande(const Tab_RetardCouleur &blanche, Tab_RetardCouleur &incidente,
                 std::int32_t centre, std::int32_t largeur);
