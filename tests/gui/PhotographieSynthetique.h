// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A photograph of a thin section between crossed polarisers made for the tests: square patches
// at known retardations, rendered from the published CIE table rather than the program's own.
#include "MichelLevySpectre/presentation/Colorimetrie.h"

#include <QImage>

constexpr int Cote = 40;      // pixels per patch
constexpr int Pastilles = 33; // at 50, 100, … 1650 nm, 11 to a row
inline int vrai(int i) { return 50 * (i + 1); }

// The colour of a patch of retardation Δ (nm).
Rgb8 CouleurDuRetard(double retard);

// With `bruit`, each patch moved by 2 ΔE*ab in a random direction of CIELAB.
QImage photographie(bool bruit);
