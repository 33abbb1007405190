// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stage readout's name for what it shows. No Qt here.
#include "MichelLevySpectre/optique/GrainPlatine.h"

#include <string>

// Near the diagonal between crossed polarisers (the grain's slow direction within 22.5° of a
// 45° position) the interference colour of Newton's scale and its order, the sensitive tint said
// as the purple that ends the first order; elsewhere the colour shown itself, by its hue, with
// "sombre" when it is dark, never "noir" while light passes.
std::string NomVuePlatine(const MontagePlatine &montage, const VuePlatine &vue);
