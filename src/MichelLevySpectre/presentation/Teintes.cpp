// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/presentation/Teintes.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/presentation/Colorimetrie.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

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
    Teinte{2700, "blanc d'ordre supérieur"},
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

std::vector<Lab> ReferenceTeintes(const ReglagesMicroscope &reglages)
{
    // White light over the program's spectrum, as the microscope's settings show it.
    std::vector<std::int32_t> longueursOnde;
    for (std::int32_t l = LambdaMin; l <= LambdaMax; ++l)
        longueursOnde.push_back(l);
    const std::vector<Rgb8> rgb = CouleursColorimetriques(
        longueursOnde, 1, std::size_t(RetardMaxReference) + 1, ModeLumiere::Blanche, reglages);
    std::vector<Lab> lab(rgb.size());
    std::transform(rgb.begin(), rgb.end(), lab.begin(), SrgbVersLab);
    return lab;
}

std::vector<Candidat> IdentifieTeinte(std::span<const Lab> reference, const Lab &couleur,
                                      int ordres)
{
    std::vector<Candidat> meilleurs;
    for (int ordre = 1; ordre <= ordres; ++ordre) {
        const std::size_t debut = std::size_t(ordre - 1) * IntervalleOrdres;
        const std::size_t fin = std::min(reference.size(), debut + IntervalleOrdres);
        Candidat c{ordre, 0, std::numeric_limits<double>::infinity()};
        for (std::size_t r = debut; r < fin; ++r)
            if (const double e = DeltaE2000(reference[r], couleur); e < c.ecart)
                c = {ordre, int(r), e};
        if (std::isfinite(c.ecart))
            meilleurs.push_back(c);
    }
    std::stable_sort(meilleurs.begin(), meilleurs.end(),
                     [](const Candidat &a, const Candidat &b) { return a.ecart < b.ecart; });
    return meilleurs;
}
