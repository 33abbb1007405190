// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared record, tables and parameters of the computation unit. No Qt here.
#include <cstdint>
#include <vector>

// One spectrum sample or one interference row.
// x: nanometres (a wavelength in the spectra, a retardation in the interference table).
// R, G, B: weights 0..1 in the spectra, values 0..255 in the normalised interference table.
struct RetardCouleur {
    std::int32_t x = 0;
    double R = 0.0;
    double G = 0.0;
    double B = 0.0;
};

using Tab_RetardCouleur = std::vector<RetardCouleur>;

// The spectrum: one sample per nanometre from LambdaMin to LambdaMax.
inline constexpr std::int32_t LambdaMin = 400;           // nm
inline constexpr std::int32_t LambdaMax = 800;           // nm
inline constexpr std::int32_t EchantillonsSpectre = 401; // samples
// Retardation of one order of interference colours, as the strip's marks show it.
inline constexpr std::int32_t IntervalleOrdres = 551; // nm

// White light weights each sample by cos²(φ/2); monochromatic light by sin²(φ/2).
enum class ModeLumiere { Blanche, Monochromatique };

// Growing zero-fills, shrinking keeps the first rows (std::vector does both).
extern Tab_RetardCouleur tab_blanche;
extern Tab_RetardCouleur tab_incidente;
extern Tab_RetardCouleur tab_interferences;

extern std::int32_t retard_max;
extern std::int32_t pas;
extern std::int32_t lambda_min;
extern std::int32_t lambda_max;
