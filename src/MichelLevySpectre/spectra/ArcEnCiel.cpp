// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/spectra/ArcEnCiel.h"

#include <algorithm>

namespace {

RetardCouleur echantillonArcEnCiel(int lambda)
{
    RetardCouleur e;
    e.x = lambda;
    if (lambda < 440) {
        const double t = (lambda - LambdaMin) / 40.0;
        e.R = 1 - t, e.G = 0, e.B = 1;
    } else if (lambda < 490) {
        const double t = (lambda - 440) / 50.0;
        e.R = 0, e.G = t, e.B = 1;
    } else if (lambda < 510) {
        const double t = (lambda - 490) / 20.0;
        e.R = 0, e.G = 1, e.B = 1 - t;
    } else if (lambda < 580) {
        const double t = (lambda - 510) / 70.0;
        e.R = t, e.G = 1, e.B = 0;
    } else if (lambda < 645) {
        const double t = (lambda - 580) / 65.0;
        e.R = 1, e.G = 1 - t, e.B = 0;
    } else {
        // The red only fades to half strength at 800 nm.
        const double t = (lambda - 645) / 155.0;
        e.R = 1 - t * 0.5, e.G = 0, e.B = 0;
    }
    return e;
}

} // namespace

void CalculArcEnCiel(Tab_RetardCouleur &table)
{
    const std::size_t n = std::min<std::size_t>(EchantillonsSpectre, table.size());
    for (std::size_t i = 0; i < n; ++i)
        table[i] = echantillonArcEnCiel(static_cast<int>(i) + LambdaMin);
}
