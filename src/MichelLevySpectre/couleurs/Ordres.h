// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Orders of interference colours: which order a retardation lies in and how it is named.
#include <string>

// The order (1 for 0 ≤ Δ < intervalle, 2 for the next…) of a retardation, for orders of
// that length in nm (551 in white light, the band's wavelength in monochromatic light).
int OrdreDuRetard(double retard, double intervalle);

// "1er ordre", "2e ordre", …
std::string NomOrdre(int ordre);
