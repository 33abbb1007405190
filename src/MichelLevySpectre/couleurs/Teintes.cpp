// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/couleurs/Teintes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Teinte {
    double debut; // nm, where the colour begins
    const char *nom;
};

// After the tables of interference colours printed with the Michel-Lévy chart (Newton's scale,
// crossed polarisers, white light), gathered into the names that courses use.
constexpr std::array Echelle{
    Teinte{0, "noir"},
    Teinte{40, "gris de fer"},
    Teinte{97, "gris lavande"},
    Teinte{218, "blanc"},
    Teinte{275, "jaune paille"},
    Teinte{330, "jaune"},
    Teinte{430, "orange"},
    Teinte{520, "rouge"},
    Teinte{550, "teinte sensible (pourpre)"},
    Teinte{580, "bleu"},
    Teinte{735, "vert"},
    Teinte{850, "jaune"},
    Teinte{950, "orange"},
    Teinte{1030, "rouge"},
    Teinte{1090, "violet"},
    Teinte{1150, "bleu"},
    Teinte{1260, "vert"},
    Teinte{1380, "jaune"},
    Teinte{1430, "rose"},
    Teinte{1500, "rouge"},
    Teinte{1560, "pourpre"},
    Teinte{1650, "vert pâle"},
    Teinte{1850, "rose pâle"},
    Teinte{2100, "vert pâle"},
    Teinte{2300, "rose pâle"},
    Teinte{2700, "rose et vert pâles"},
    Teinte{DebutBlancSuperieur, "blanc d'ordre supérieur"},
};

} // namespace

std::string NomTeinte(double retard)
{
    const double r = std::abs(retard);
    if (!std::isfinite(r))
        return Echelle.back().nom;
    const auto suivante = std::upper_bound(Echelle.begin(), Echelle.end(), r,
                                           [](double x, const Teinte &t) { return x < t.debut; });
    return std::prev(suivante)->nom;
}
