// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "MichelLevySpectre/RetardCouleur.h"

// Fills rows 0..400 (400..800 nm) with the piecewise-linear rainbow model;
// a shorter table gets only the rows it has.
void CalculArcEnCiel(Tab_RetardCouleur &table);
