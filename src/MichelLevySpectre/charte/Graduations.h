// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a figure's retardation axis puts its numbers and its order marks, without Qt:
// positions are retardations in nm along an axis drawn `largeur` units long.
#include <cstdint>
#include <vector>

// Round values (1, 2 or 5 × 10^k nm, 1 nm at least) from debut to fin, spaced so that
// labels `largeurEtiquette` wide do not touch.
std::vector<std::int64_t> GraduationsRetard(double debut, double fin, double largeur,
                                            double largeurEtiquette);

// The order boundaries inside ]debut, fin]: every multiple of `intervalle`, or of a round
// multiple of it (2, 5, 10…) when the marks would come closer than `ecartMin`.
struct ReperesOrdres {
    std::int64_t tous = 1; // a mark every `tous` orders
    std::vector<double> retards;
};
ReperesOrdres ReperesDOrdre(double debut, double fin, double intervalle, double largeur,
                            double ecartMin);
