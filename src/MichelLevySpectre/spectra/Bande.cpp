#include "Bande.h"

#include <algorithm>
#include <cmath>

void FiltreBande(const Tab_RetardCouleur &blanche, Tab_RetardCouleur &incidente,
                 std::int32_t centre, std::int32_t largeur)
{
    const double demi = largeur / 2.0;
    const auto lo = static_cast<std::int64_t>(std::trunc(centre - demi)) + 1;
    const auto hi = static_cast<std::int64_t>(std::trunc(centre + demi)) + 1;
    const std::size_t n = std::min(blanche.size(), incidente.size());
    for (std::size_t i = 0; i < n; ++i) {
        RetardCouleur e = blanche[i];
        if (e.x < lo || e.x >= hi)
            e.R = e.G = e.B = 0;
        incidente[i] = e;
    }
}
