// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Interference colours by name (Newton's scale). No Qt here.
#include <string>

// The French name of the interference colour of a plate of that retardation (nm) between
// crossed polarisers in white light: "gris de fer", …, "teinte sensible (pourpre)", "bleu", …,
// "blanc d'ordre supérieur".
std::string NomTeinte(double retard);
