// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/optique/NomsPlatine.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/couleurs/Ordres.h"
#include "MichelLevySpectre/couleurs/Teintes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double radians = std::numbers::pi / 180;
constexpr double LuminositeSombre = 0.2; // below this share of the lamp a colour is dark
constexpr int ChromaGris = 24;           // sRGB codes: less spread between channels is grey

struct Teinte {
    double jusqua; // degrees of hue
    const char *nom;
};
constexpr std::array Teintes{Teinte{15, "rouge"},    Teinte{45, "orange"}, Teinte{70, "jaune"},
                             Teinte{165, "vert"},    Teinte{255, "bleu"},  Teinte{290, "violet"},
                             Teinte{340, "pourpre"}, Teinte{360, "rouge"}};

// The hue's name of an sRGB colour: "gris" when its channels hardly differ.
std::string teinte(const Rgb8 &c)
{
    const int r = c.r, g = c.g, b = c.b;
    const int haut = std::max({r, g, b}), bas = std::min({r, g, b});
    if (haut - bas < ChromaGris)
        return "gris";
    const double d = haut - bas;
    double h = haut == r   ? 60 * std::fmod((g - b) / d + 6, 6.0)
               : haut == g ? 60 * ((b - r) / d + 2)
                           : 60 * ((r - g) / d + 4);
    // A dull orange or yellow is what courses call brown (biotite, hornblende's brown).
    if (h >= 15 && h < 70 && d < 0.6 * haut && haut < 220)
        return "brun";
    return std::find_if(Teintes.begin(), Teintes.end(),
                        [h](const Teinte &t) { return h < t.jusqua; })
        ->nom;
}

bool surLaDiagonale(const MontagePlatine &m)
{
    return std::abs(std::cos(2 * (m.angleGrain - AngleLameAuxiliaire) * radians)) >=
           std::numbers::sqrt2 / 2;
}

} // namespace

std::string NomVuePlatine(const MontagePlatine &montage, const VuePlatine &vue)
{
    if (montage.analyseur && montage.croises && !montage.absorption && surLaDiagonale(montage)) {
        const double r = RetardApparent(montage);
        const std::string nom = NomTeinte(r);
        if (nom == "teinte sensible (pourpre)")
            return "teinte sensible (pourpre, fin du 1er ordre)";
        return nom + ", " + NomOrdre(OrdreDuRetard(r, IntervalleOrdres));
    }
    const std::string nom = teinte(vue.couleur);
    return vue.luminosite < LuminositeSombre ? nom + " sombre" : nom;
}
