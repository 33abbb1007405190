// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours that sRGB cannot show brought into its gamut without seams. No Qt here.
#include "MichelLevySpectre/presentation/Colorimetrie.h"

// Linear value of the mid grey (L* = 50) that out-of-gamut colours are mixed with.
inline constexpr double GrisMoyen = 0.1842;

// A linear sRGB colour with every channel in 0..1: the colour itself when it fits; otherwise
// mixed with the mid grey just enough for every channel to fit. Mixing light with grey keeps
// its dominant wavelength (its hue), and the change grows with the distance outside, so
// neighbouring colours stay neighbours. NaN gives black.
RgbLineaire DansGamut(const RgbLineaire &couleur);
