// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/conoscopie/LumiereConoscopie.h"

#include "MichelLevySpectre/interference/BalayageRapide.h"
#include "MichelLevySpectre/optique/GrainPlatine.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int DixiemesParDegre = 10;
constexpr int Dixiemes = 180 * DixiemesParDegre;

// K₀…K₄ at θ from the chain at five pairs of phases (φ, γ): at λ = 1 nm a retardation of
// 0.5 nm is a phase of π. (0,0), (π,0), (0,π), (π,π) give K₀, K₁, K₂ and K₃ + K₄;
// (π/2, π/2) gives K₀ − K₃ + K₄.
std::array<double, 5> coefficients(double angle, bool croises)
{
    const auto t = [&](double grain, double lame) {
        return TransmissionPlatine({grain, angle, lame, croises}, 1.0);
    };
    const double a = t(0, 0), b = t(0.5, 0), c = t(0, 0.5), d = t(0.5, 0.5), e = t(0.25, 0.25);
    const double k0 = (a + b + c + d) / 4, somme34 = (a - b - c + d) / 4, ecart43 = e - k0;
    return {k0, (a + b - c - d) / 4, (a - b + c - d) / 4, (somme34 - ecart43) / 2,
            (somme34 + ecart43) / 2};
}

RgbLineaire vu(const Matrice3 &m, const Tristimulus &t)
{
    const Tristimulus c = Applique(m, t);
    return {c.X, c.Y, c.Z};
}

RgbLineaire cosinus(const LumiereConoscopie &l, double r)
{
    const double i = std::floor(r);
    if (!(i + 1 < double(l.cosinus.size()))) // NaN too
        return {};
    const RgbLineaire &a = l.cosinus[std::size_t(i)], &b = l.cosinus[std::size_t(i) + 1];
    const double f = r - i;
    return {a.R + f * (b.R - a.R), a.G + f * (b.G - a.G), a.B + f * (b.B - a.B)};
}

} // namespace

LumiereConoscopie PrepareLumiereConoscopie(const ReglagesMicroscope &reglages, double retardLame,
                                           double retardMax,
                                           std::optional<std::int32_t> monochromatique)
{
    LumierePlatine lumiere = PrepareLumierePlatine(reglages);
    if (monochromatique) {
        std::erase_if(lumiere.spectre, [&](const RetardCouleur &e) {
            return std::abs(e.x - *monochromatique) > DemiBandeMonochromatique;
        });
        lumiere.totalY = 0;
        for (const RetardCouleur &e : lumiere.spectre)
            lumiere.totalY += e.G;
        if (!(lumiere.totalY > 0))
            lumiere.totalY = 1;
    }
    Tristimulus w;
    for (const RetardCouleur &e : lumiere.spectre)
        w.X += e.R, w.Y += e.G, w.Z += e.B;
    const double y = lumiere.totalY;
    LumiereConoscopie l;
    l.lampe = vu(lumiere.vu, {w.X / y, w.Y / y, w.Z / y});
    // The sweep's white-light sums are Σ w (1 + cos φ) / 2: C = 2 S − W.
    const auto lignes =
        std::int64_t(std::clamp(retardMax + std::abs(retardLame), 0.0, RetardMaxConoscopie)) + 2;
    Tab_RetardCouleur sommes(static_cast<std::size_t>(lignes));
    SommesBalayage(1, lignes - 1, lumiere.spectre, sommes, ModeLumiere::Blanche);
    l.cosinus.reserve(sommes.size());
    for (const RetardCouleur &s : sommes)
        l.cosinus.push_back(
            vu(lumiere.vu, {(2 * s.R - w.X) / y, (2 * s.G - w.Y) / y, (2 * s.B - w.Z) / y}));
    const bool croises = reglages.polariseurs == Polariseurs::Croises;
    for (int k = 0; k <= Dixiemes; ++k)
        l.coefficients.push_back(coefficients(double(k) / DixiemesParDegre, croises));
    l.retardLame = std::abs(retardLame);
    l.cosinusLame = cosinus(l, l.retardLame);
    return l;
}

RgbLineaire LumiereVue(const LumiereConoscopie &l, double retard, double angleLente)
{
    double position = std::fmod(angleLente, 180.0) * DixiemesParDegre;
    if (position < 0)
        position += Dixiemes;
    const int k = std::min(int(position), Dixiemes - 1);
    const double f = position - k;
    std::array<double, 5> c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = l.coefficients[std::size_t(k)][i] +
               f * (l.coefficients[std::size_t(k) + 1][i] - l.coefficients[std::size_t(k)][i]);
    const double g = l.retardLame;
    const RgbLineaire termes[] = {l.lampe, l.cosinusLame, cosinus(l, retard),
                                  cosinus(l, retard + g), cosinus(l, std::abs(retard - g))};
    RgbLineaire s;
    for (std::size_t i = 0; i < c.size(); ++i)
        s.R += c[i] * termes[i].R, s.G += c[i] * termes[i].G, s.B += c[i] * termes[i].B;
    return s;
}
