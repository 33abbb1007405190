// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour that two far-apart retardations show equally well: first-order grey or white and
// high-order white differ only in brightness, and a photograph's exposure is unknown. The
// answer says so rather than ranking them. No Qt here.
#include "MichelLevySpectre/recherche/RechercheTeinte.h"

#include <span>
#include <string>
#include <vector>

// A rival at least this far from the best (nm)…
inline constexpr int EcartAmbigu = 200;
// …and at most this much worse (ΔE00) makes the colour ambiguous.
inline constexpr double ToleranceAmbigue = 1.0;

// Moves the nearest-matching ambiguous rival of the first candidate to second place.
void MetAmbiguiteEnTete(std::vector<Candidat> &candidats);

// "Teinte ambiguë : 1er ordre (≈ 190 nm) ou blanc d'ordre supérieur ; insérez la lame λ pour
// trancher" when the second candidate is an ambiguous rival of the first; empty otherwise.
std::string AvertissementAmbiguite(std::span<const Candidat> candidats);
