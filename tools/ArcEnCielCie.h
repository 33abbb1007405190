// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The standard rainbow file, computed with the program's own CIE 1931 2° observer and sRGB
// matrix. No Qt here.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"

#include <string>
#include <vector>

struct LigneArcEnCiel {
    int lambda = 0;
    int R = 0;
    int G = 0;
    int B = 0;
};

// Rows for 400..800 nm: negatives clipped to 0, one common scale so that the largest
// channel value is 255, rounded to the nearest integer (halves away from zero).
std::vector<LigneArcEnCiel> ArcEnCielStandard();

// The file text: a header "lambda\tR\tG\tB", then one tab-separated row per nanometre,
// every line ended by CR LF like the files the program writes itself.
std::string TexteArcEnCielStandard();
