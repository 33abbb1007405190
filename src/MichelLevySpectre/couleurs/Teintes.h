// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Interference colours by name (Newton's scale). No Qt here.
#include <string>

// nm: where the colours have faded to one white, taken as a chroma C*ab of at most 7. The colours
// seen (equal-energy light, adapted eye, CIE 1931 2° table at 1 nm) stay within it from 3952 nm
// on; before, they reach 7.5 near 3800 nm, 19 near 3200 nm and 29 near 2800 nm.
inline constexpr int DebutBlancSuperieur = 3950;

// The French name of the interference colour of a plate of that retardation (nm) between
// crossed polarisers in white light: "gris de fer", …, "teinte sensible (pourpre)", "bleu", …,
// "blanc d'ordre supérieur".
std::string NomTeinte(double retard);
