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

// What brings the neutral area to the D65 grey of its brightest channel, in linear sRGB;
// `erreur` says in French why the area cannot serve (too dark, or a channel saturated), the
// balance then changing nothing.
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
