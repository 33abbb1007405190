// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The straightforward row by sample sweep: the oracle of the tests and the benchmarks'
// reference. Kept out of the program, which uses the fast sweep only.
#include "MichelLevySpectre/interference/Interferences.h"

void CalculInterferencesReference(std::int32_t debut, std::int32_t fin, std::int32_t pas_,
                                  std::span<const RetardCouleur> spectre, Tab_RetardCouleur &table,
                                  ModeLumiere mode);
