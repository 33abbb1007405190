// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/spectra/FichierArcEnCiel.h"

#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/spectra/TexteChamps.h"

#include <cmath>

namespace {

double part(const std::string &ligne, std::uint8_t champ)
{
    return LitEntier(Extrait(ligne, champ, '\t'), 0) / 255.0;
}

} // namespace

std::int64_t CaseDeLigne(std::int64_t b, std::int64_t n, std::int64_t cases)
{
    const long double position =
        static_cast<long double>(b - 1) / static_cast<long double>(n - 1) * (cases - 1);
    return static_cast<std::int64_t>(std::nearbyintl(position));
}

bool RemplitArcEnCiel(const std::vector<std::string> &lignes, std::int32_t premier,
                      std::int32_t dernier, Tab_RetardCouleur &cible)
{
    const std::int64_t n = static_cast<std::int64_t>(lignes.size()) - 1;
    const std::string entete = n >= 2 ? lignes[0] : std::string();
    if (!EnTeteCompatible(entete))
        return false;
    const std::int64_t cases = std::int64_t{dernier} - premier + 1;
    for (std::int64_t b = 1; b <= n && cases > 0; ++b) {
        const std::int64_t index = CaseDeLigne(b, n, cases);
        if (index < 0 || index >= static_cast<std::int64_t>(cible.size()))
            continue;
        RetardCouleur &e = cible[static_cast<std::size_t>(index)];
        const std::string &ligne = lignes[static_cast<std::size_t>(b)];
        e.x = static_cast<std::int32_t>(premier + index);
        e.R = part(ligne, 2);
        e.G = part(ligne, 3);
        e.B = part(ligne, 4);
    }
    return true;
}
