// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours that sRGB cannot show brought into its gamut without seams. No Qt here.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"

// The grey that out-of-gamut colours are mixed with: half of full linear light, as far from
// every face of the gamut cube, so that no channel's excursion is magnified (a darker grey
// magnified those of dark blues).
inline constexpr double GrisDeMelange = 0.5;

// A linear sRGB colour with every channel in 0..1: the colour itself when it fits; otherwise
// mixed with that grey just enough for every channel to fit. Mixing light with grey keeps
// its dominant wavelength (its hue), and the change grows with the distance outside, so
// neighbouring colours stay neighbours. NaN gives black.
RgbLineaire DansGamut(const RgbLineaire &couleur);
