// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "MichelLevySpectre/RetardCouleur.h"

#include <string>
#include <vector>

// Fills the slots premier..dernier (nm) of cible from the lines of a rainbow file
// (header first). The n data lines are spread evenly over the slots; when several land
// in one slot the last stays, slots that none reaches are not written.
// Returns false, leaving cible untouched, when the header check fails (fewer than
// three lines included). Slots beyond cible's length are never written.
bool RemplitArcEnCiel(const std::vector<std::string> &lignes, std::int32_t premier,
                      std::int32_t dernier, Tab_RetardCouleur &cible);

// Slot of data line b (1-based) among n data lines over `cases` slots: the quotient first,
// then the product, rounded half to even in extended precision.
std::int64_t CaseDeLigne(std::int64_t b, std::int64_t n, std::int64_t cases);
