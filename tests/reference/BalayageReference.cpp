// SPDX-License-Identifier: GPL-3.0-or-later
#include "BalayageReference.h"

void CalculInterferencesReference(std::int32_t debut, std::int32_t fin, std::int32_t pas_,
                                  std::span<const RetardCouleur> spectre, Tab_RetardCouleur &table,
                                  ModeLumiere mode)
{
    const auto plusGrand = [](double a, double b) { return a > b ? a : b; };
    const std::int64_t derniere = DerniereLigne(debut, fin, pas_, table.size());
    CouleurSomme maxima;
    for (std::int64_t i = 0; i <= derniere; ++i) {
        RetardCouleur &l = table[static_cast<std::size_t>(i)];
        l.x = RetardDeLigne(i, pas_);
        const CouleurSomme s = CouleurRetard(l.x, spectre, mode);
        l.R = s.R, l.G = s.G, l.B = s.B;
        maxima = {plusGrand(maxima.R, s.R), plusGrand(maxima.G, s.G), plusGrand(maxima.B, s.B)};
    }
    NormaliseInterferences(table, derniere, maxima, mode);
}
