// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/couleurs/Eclairage.h"

#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/spectra/TablesCie.h"

#include <algorithm>
#include <cmath>

namespace {

// Cone responses of the Bradford transform (Lam 1985) and their inverse.
constexpr Matrice3 bradford{
    {{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}}};
constexpr Matrice3 bradfordInverse{{{0.9869929, -0.1470543, 0.1599627},
                                    {0.4323053, 0.5183603, 0.0492912},
                                    {-0.0085287, 0.0400428, 0.9684867}}};

double d65(double lambda)
{
    if (std::isnan(lambda)) // no row to hold, and no index to take
        return 0;
    const double position = std::clamp((lambda - D65Premier) / D65Pas, 0.0, D65Lignes - 1.0);
    const int k = std::min(int(position), D65Lignes - 2);
    const double t = position - k;
    return TableD65[k] + t * (TableD65[k + 1] - TableD65[k]);
}

// Planck's law with the second radiation constant c2 (nm·K), 100 at 560 nm.
double planck(double lambda, double temperature, double c2)
{
    return 100 * std::pow(560 / lambda, 5) * std::expm1(c2 / (temperature * 560)) /
           std::expm1(c2 / (temperature * lambda));
}

Matrice3 diagonale(double a, double b, double c) { return {{{a, 0, 0}, {0, b, 0}, {0, 0, c}}}; }

} // namespace

Matrice3 AdaptationBradford(const Tristimulus &de, const Tristimulus &vers)
{
    const Tristimulus s = Applique(bradford, de), d = Applique(bradford, vers);
    return Produit(bradfordInverse, Produit(diagonale(d.X / s.X, d.Y / s.Y, d.Z / s.Z), bradford));
}

Matrice3 Produit(const Matrice3 &a, const Matrice3 &b)
{
    Matrice3 p{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                p[i][j] += a[i][k] * b[k][j];
    return p;
}

Tristimulus Applique(const Matrice3 &m, const Tristimulus &t)
{
    return {m[0][0] * t.X + m[0][1] * t.Y + m[0][2] * t.Z,
            m[1][0] * t.X + m[1][1] * t.Y + m[1][2] * t.Z,
            m[2][0] * t.X + m[2][1] * t.Y + m[2][2] * t.Z};
}

double PuissanceSource(SourceLumineuse source, double lambda)
{
    switch (source) {
    case SourceLumineuse::D65:
        return d65(lambda);
    case SourceLumineuse::Halogene:
        return planck(lambda, 3200, 1.4388e7);
    case SourceLumineuse::IlluminantA: // the CIE's own constants
        return planck(lambda, 2848, 1.435e7);
    case SourceLumineuse::EgaleEnergie:
        break;
    }
    return 100;
}

Tristimulus BlancSource(SourceLumineuse source)
{
    Tristimulus w;
    for (std::int32_t lambda = LambdaMin; lambda <= LambdaMax; ++lambda) {
        const Tristimulus c = CorrespondanceCie1931(lambda);
        const double p = PuissanceSource(source, lambda);
        w.X += c.X * p, w.Y += c.Y * p, w.Z += c.Z * p;
    }
    return {w.X / w.Y, 1.0, w.Z / w.Y};
}

Matrice3 XyzVersSrgbVu(const ReglagesMicroscope &reglages)
{
    const Tristimulus blanc = BlancSource(reglages.source);
    if (reglages.vision == Vision::OeilAdapte)
        return Produit(MatriceSrgb, AdaptationBradford(blanc, BlancD65));
    const Tristimulus rgb = Applique(MatriceSrgb, blanc);
    const double plein = std::max({rgb.X, rgb.Y, rgb.Z});
    Matrice3 m = MatriceSrgb;
    for (auto &ligne : m)
        for (double &v : ligne)
            v /= plein;
    return m;
}
