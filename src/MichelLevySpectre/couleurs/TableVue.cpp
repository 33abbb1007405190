// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/couleurs/TableVue.h"

#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/interference/BalayageRapide.h"
#include "MichelLevySpectre/interference/Interferences.h"

Tab_RetardCouleur TableVue(std::span<const RetardCouleur> spectre, std::int32_t pas_,
                           std::size_t lignes, ModeLumiere mode, const ReglagesMicroscope &reglages)
{
    const bool croises = reglages.polariseurs == Polariseurs::Croises;
    // cos² is white light's own weight, sin² monochromatic light's.
    const ModeLumiere poids = croises ? mode : ModeLumiere::Blanche;
    const std::int64_t derniere = std::int64_t(lignes) - 1;
    Tab_RetardCouleur vue(lignes + 1);
    // Row 0 holds the light at 0 nm, where white light is balanced and measured; the rows shown
    // follow it.
    const CouleurSomme zero = CouleurRetard(0, spectre, poids);
    vue[0] = {0, zero.R, zero.G, zero.B};
    Tab_RetardCouleur sommes(lignes);
    SommesBalayage(pas_, derniere, spectre, sommes, poids, OrigineLame(reglages));
    std::copy(sommes.begin(), sommes.end(), vue.begin() + 1);
    const CouleurSomme maxima = MaximaBruts(vue, derniere + 1);
    NormaliseInterferences(vue, derniere + 1, maxima, mode);
    vue.erase(vue.begin());
    // White light is shown as what crossed polarisers pass (the sums inverted): its complement
    // passes parallel ones. Without red there is no inversion, and no complement.
    const bool complement = !croises && mode == ModeLumiere::Blanche && maxima.R != 0;
    for (std::size_t i = 0; i < vue.size(); ++i) {
        RetardCouleur &l = vue[i];
        l.x = RetardDeLigne(std::int64_t(i), pas_);
        if (complement)
            l = {l.x, 255 - l.R, 255 - l.G, 255 - l.B};
    }
    return vue;
}
