// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A photograph of a thin section between crossed polarisers made for the tests: square patches
// at known retardations, rendered from the published CIE table rather than the program's own.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"

#include <QImage>

constexpr int Cote = 40;      // pixels per patch
constexpr int Pastilles = 33; // at 50, 100, … 1650 nm, 11 to a row
inline int vrai(int i) { return 50 * (i + 1); }

// How the photograph was taken: its exposure (a factor on linear light), and the lamp: equal
// energy seen by an adapted eye, or a 3200 K lamp seen by a camera set to daylight.
// A camera clips each channel at its top (`ecretage`); the screen mixes with grey instead.
struct Prise {
    double exposition = 1.0;
    bool lampe3200K = false;
    bool ecretage = false;
};
// The camera of the tests: daylight, clipping each channel.
inline constexpr Prise Camera{1.0, false, true};
// Below the patches, a neutral one: half the lamp's light, as a high-order white shows it.
inline constexpr int BlancX = Cote / 2, BlancY = 3 * Cote + Cote / 2;

// The colour of a patch of retardation Δ (nm).
Rgb8 CouleurDuRetard(double retard, Prise prise = {});

// With `bruit`, each patch moved by 2 ΔE*ab in a random direction of CIELAB.
QImage photographie(bool bruit, Prise prise = {});
