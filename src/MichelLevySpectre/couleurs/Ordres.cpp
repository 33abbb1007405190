// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/couleurs/Ordres.h"

#include <cmath>
#include <limits>

int OrdreDuRetard(double retard, double intervalle)
{
    if (!(intervalle > 0) || !std::isfinite(retard))
        return 1;
    const double ordre = std::floor(std::abs(retard) / intervalle) + 1;
    return ordre < std::numeric_limits<int>::max() ? static_cast<int>(ordre)
                                                   : std::numeric_limits<int>::max();
}

std::string NomOrdre(int ordre)
{
    return std::to_string(ordre) + (ordre == 1 ? "er ordre" : "e ordre");
}
