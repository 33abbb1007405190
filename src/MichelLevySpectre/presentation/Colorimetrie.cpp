// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/presentation/Colorimetrie.h"

#include "MichelLevySpectre/interference/BalayageRapide.h"

#include <algorithm>
#include <cmath>

namespace {

// The light's samples with x̄, ȳ, z̄ as their three channels.
Tab_RetardCouleur spectreCie(std::span<const std::int32_t> longueursOnde)
{
    Tab_RetardCouleur spectre;
    for (const std::int32_t lambda : longueursOnde) {
        if (lambda == 0) // no wavelength: the sweep divides by it
            continue;
        const Tristimulus t = CorrespondanceCie1931(lambda);
        spectre.push_back({lambda, t.X, t.Y, t.Z});
    }
    return spectre;
}

Tristimulus totaux(const Tab_RetardCouleur &spectre)
{
    Tristimulus t;
    for (const RetardCouleur &e : spectre)
        t.X += e.R, t.Y += e.G, t.Z += e.B;
    return t;
}

double fractionPassee(double somme, double total) { return total != 0 ? 1 - somme / total : 0; }

RgbLineaire sousD65(double x, double y, double z)
{
    return VersSrgbLineaire({x * BlancD65.X, y * BlancD65.Y, z * BlancD65.Z});
}

Rgb8 encode(const RgbLineaire &c, double echelle)
{
    return {OctetSrgb(c.R * echelle), OctetSrgb(c.G * echelle), OctetSrgb(c.B * echelle)};
}

} // namespace

RgbLineaire VersSrgbLineaire(const Tristimulus &t)
{
    return {3.2406 * t.X - 1.5372 * t.Y - 0.4986 * t.Z, -0.9689 * t.X + 1.8758 * t.Y + 0.0415 * t.Z,
            0.0557 * t.X - 0.2040 * t.Y + 1.0570 * t.Z};
}

double CanalLePlusClair(std::span<const RgbLineaire> couleurs)
{
    double m = 0.0;
    for (const RgbLineaire &c : couleurs)
        m = std::max({m, c.R, c.G, c.B});
    return m;
}

std::uint8_t OctetSrgb(double lineaire)
{
    if (!(lineaire > 0)) // NaN too
        return 0;
    const double v = std::min(lineaire, 1.0);
    const double code = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(code * 255));
}

std::vector<Rgb8> CouleursColorimetriques(std::span<const std::int32_t> longueursOnde,
                                          std::int32_t pas_, std::size_t lignes, ModeLumiere mode)
{
    const Tab_RetardCouleur spectre = spectreCie(longueursOnde);
    Tab_RetardCouleur sommes(lignes);
    SommesBalayage(pas_, std::int64_t(lignes) - 1, spectre, sommes, mode);
    std::vector<RgbLineaire> lineaires(lignes);
    if (mode == ModeLumiere::Blanche) {
        const Tristimulus total = totaux(spectre);
        std::transform(
            sommes.begin(), sommes.end(), lineaires.begin(), [&](const RetardCouleur &s) {
                return sousD65(fractionPassee(s.R, total.X), fractionPassee(s.G, total.Y),
                               fractionPassee(s.B, total.Z));
            });
    } else {
        std::transform(sommes.begin(), sommes.end(), lineaires.begin(),
                       [](const RetardCouleur &s) { return sousD65(s.R, s.G, s.B); });
    }
    double echelle = 1;
    if (mode == ModeLumiere::Monochromatique) {
        const double plusClair = CanalLePlusClair(lineaires);
        echelle = plusClair > 0 ? 1 / plusClair : 1;
    }
    std::vector<Rgb8> couleurs(lignes);
    std::transform(lineaires.begin(), lineaires.end(), couleurs.begin(),
                   [echelle](const RgbLineaire &c) { return encode(c, echelle); });
    return couleurs;
}
