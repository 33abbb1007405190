// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/spectra/Bande.h"

#include <algorithm>
#include <cmath>

LimitesBande BandeDe(std::int32_t centre, std::int32_t largeur)
{
    const double demi = largeur / 2.0;
    return {static_cast<std::int64_t>(std::trunc(centre - demi)) + 1,
            static_cast<std::int64_t>(std::trunc(centre + demi)) + 1};
}

void FiltreBande(const Tab_RetardCouleur &blanche, Tab_RetardCouleur &incidente,
                 std::int32_t centre, std::int32_t largeur)
{
    const LimitesBande bande = BandeDe(centre, largeur);
    const std::size_t n = std::min(blanche.size(), incidente.size());
    for (std::size_t i = 0; i < n; ++i) {
        RetardCouleur e = blanche[i];
        if (!bande.contient(e.x))
            e.R = e.G = e.B = 0;
        incidente[i] = e;
    }
}
