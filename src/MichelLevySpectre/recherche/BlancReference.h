// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A white reference: an area of the photograph known to be neutral (a hole in the section, the
// field with parallel polarisers, a high-order white) gives one gain per cone channel, as the
// eye adapts (Bradford). No Qt here.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/couleurs/Eclairage.h"

#include <string>

inline constexpr double CanalSombre = 0.01;  // linear: no cast can be read below
inline constexpr double CanalSature = 0.975; // linear: the sensor may have clipped above
// CIELAB chroma C*ab of the area against the white of its lamp (the nearest of the four), at
// the area's own lightness: above it the area is coloured, not white. Measured on 8-bit sRGB
// areas: Planck whites of 2700 to 3500 K and of 5000 to 6500 K photographed by a daylight
// camera are within 11.4 of a lamp's white (a lamp run above or below its voltage), greys 0,
// the 3200 K white from 3 to 100 % exposure within 2.7; lime green (180, 239, 116) is at 60,
// turquoise (64, 224, 208) 53, pure red 128, oranges (255, 165, 0) and (255, 140, 60) 56 and 37,
// peach (255, 200, 150), pink (255, 192, 203) and pale blue (200, 220, 255) 19 to 22. A 4000 K
// white, 27 from the halogen lamp's, is no white of these lamps.
inline constexpr double ChromaBlancMax = 15.0;

// What brings the neutral area to the D65 grey of its brightest channel, in linear sRGB;
// `erreur` says in French why the area cannot serve (too dark, coloured, or a channel
// clipped), the balance then changing nothing.
inline constexpr Matrice3 SansBalance{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
// `source` is the lamp whose white is nearest the area's: the colours were made by its light.
struct BalanceBlancs {
    Matrice3 matrice = SansBalance;
    std::string erreur;
    SourceLumineuse source = SourceLumineuse::EgaleEnergie;
};
BalanceBlancs BalanceDepuisNeutre(const RgbLineaire &neutre);

// The settings whose colours a balanced photograph shows: the lamp of the white reference, seen
// by an adapted eye.
ReglagesMicroscope ReglagesBalances(ReglagesMicroscope reglages, const BalanceBlancs &balance);

// The colour balanced, each channel kept within 0..1.
RgbLineaire Equilibre(const RgbLineaire &couleur, const Matrice3 &balance);
