// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/couleurs/Colorimetrie.h"

#include "MichelLevySpectre/couleurs/Eclairage.h"
#include "MichelLevySpectre/couleurs/Gamut.h"
#include "MichelLevySpectre/interference/BalayageRapide.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

Tristimulus totaux(const Tab_RetardCouleur &spectre)
{
    Tristimulus t;
    for (const RetardCouleur &e : spectre)
        t.X += e.R, t.Y += e.G, t.Z += e.B;
    return t;
}

// XYZ of what passes each row: the sums are of cos² weights in white light and between
// parallel polarisers, of sin² weights otherwise. White light is taken over its total Y.
std::vector<Tristimulus> lumieresPassees(const Tab_RetardCouleur &spectre,
                                         const Tab_RetardCouleur &sommes, ModeLumiere mode,
                                         bool croises)
{
    std::vector<Tristimulus> xyz(sommes.size());
    if (mode == ModeLumiere::Monochromatique) {
        std::transform(sommes.begin(), sommes.end(), xyz.begin(), [](const RetardCouleur &s) {
            return Tristimulus{s.R, s.G, s.B};
        });
        return xyz;
    }
    const Tristimulus t = totaux(spectre);
    const double y = t.Y > 0 ? t.Y : 1;
    std::transform(sommes.begin(), sommes.end(), xyz.begin(), [&](const RetardCouleur &s) {
        return croises ? Tristimulus{(t.X - s.R) / y, (t.Y - s.G) / y, (t.Z - s.B) / y}
                       : Tristimulus{s.R / y, s.G / y, s.B / y};
    });
    return xyz;
}

// The sRGB transfer curve, scaled to 0..255.
double courbeSrgb(double v)
{
    return 255 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055);
}

// The curve rounded to a byte without a power per channel (three per row of the strip): the
// smallest linear value of each next code, found once, and a table of 4096 steps to start from.
struct Encodage {
    static constexpr int cases = 4096;
    std::array<double, 255> seuils{};
    std::array<std::uint8_t, cases + 1> depart{};
    Encodage()
    {
        for (int k = 0; k < 255; ++k) {
            double bas = 0, haut = 1; // courbeSrgb(bas) < k + 0.5 <= courbeSrgb(haut)
            while (std::nextafter(bas, 1.0) < haut) {
                const double milieu = bas + (haut - bas) / 2;
                (courbeSrgb(milieu) >= k + 0.5 ? haut : bas) = milieu;
            }
            seuils[std::size_t(k)] = haut;
        }
        for (int i = 0, code = 0; i <= cases; ++i) {
            while (code < 255 && double(i) / cases >= seuils[std::size_t(code)])
                ++code;
            depart[std::size_t(i)] = std::uint8_t(code);
        }
    }
};

} // namespace

Tab_RetardCouleur SpectreCie(std::span<const std::int32_t> longueursOnde, SourceLumineuse source)
{
    Tab_RetardCouleur spectre;
    for (const std::int32_t lambda : longueursOnde) {
        if (lambda == 0) // no wavelength: the sweep divides by it
            continue;
        const Tristimulus t = CorrespondanceCie1931(lambda);
        const double p = PuissanceSource(source, lambda);
        spectre.push_back({lambda, t.X * p, t.Y * p, t.Z * p});
    }
    return spectre;
}

Rgb8 EncodeSrgb(const RgbLineaire &c) { return {OctetSrgb(c.R), OctetSrgb(c.G), OctetSrgb(c.B)}; }

Rgb8 EncodeDansGamut(const RgbLineaire &couleur) { return EncodeSrgb(DansGamut(couleur)); }

RgbLineaire VersSrgbLineaire(const Tristimulus &t)
{
    const Tristimulus c = Applique(MatriceSrgb, t);
    return {c.X, c.Y, c.Z};
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
    static const Encodage encodage;
    if (!(lineaire > 0)) // NaN too
        return 0;
    const double v = std::min(lineaire, 1.0);
    int code = encodage.depart[std::size_t(v * Encodage::cases)];
    while (code < 255 && v >= encodage.seuils[std::size_t(code)])
        ++code;
    return static_cast<std::uint8_t>(code);
}

std::int32_t OrigineLame(const ReglagesMicroscope &reglages)
{
    const auto gamma = static_cast<std::int32_t>(std::lround(RetardLame(reglages.lame)));
    return reglages.sens == SensLame::Addition ? gamma : -gamma;
}

std::vector<RgbLineaire> LineairesColorimetriques(std::span<const std::int32_t> longueursOnde,
                                                  std::int32_t pas_, std::size_t lignes,
                                                  ModeLumiere mode,
                                                  const ReglagesMicroscope &reglages)
{
    const Tab_RetardCouleur spectre = SpectreCie(longueursOnde, reglages.source);
    const bool croises = reglages.polariseurs == Polariseurs::Croises;
    Tab_RetardCouleur sommes(lignes);
    // cos² is white light's own weight, sin² monochromatic light's.
    SommesBalayage(pas_, std::int64_t(lignes) - 1, spectre, sommes,
                   croises ? mode : ModeLumiere::Blanche, OrigineLame(reglages));
    const std::vector<Tristimulus> xyz = lumieresPassees(spectre, sommes, mode, croises);
    const Matrice3 vu = XyzVersSrgbVu(reglages);
    std::vector<RgbLineaire> lineaires(lignes);
    std::transform(xyz.begin(), xyz.end(), lineaires.begin(), [&vu](const Tristimulus &t) {
        const Tristimulus c = Applique(vu, t);
        return RgbLineaire{c.X, c.Y, c.Z};
    });
    if (mode == ModeLumiere::Monochromatique) {
        const double plusClair = CanalLePlusClair(lineaires);
        const double echelle = plusClair > 0 ? 1 / plusClair : 1;
        for (RgbLineaire &c : lineaires)
            c = {c.R * echelle, c.G * echelle, c.B * echelle};
    }
    return lineaires;
}

std::vector<Rgb8> CouleursColorimetriques(std::span<const std::int32_t> longueursOnde,
                                          std::int32_t pas_, std::size_t lignes, ModeLumiere mode,
                                          const ReglagesMicroscope &reglages)
{
    const std::vector<RgbLineaire> lineaires =
        LineairesColorimetriques(longueursOnde, pas_, lignes, mode, reglages);
    std::vector<Rgb8> couleurs(lignes);
    std::transform(lineaires.begin(), lineaires.end(), couleurs.begin(), EncodeDansGamut);
    return couleurs;
}
