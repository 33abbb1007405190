// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotographieSynthetique.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

// Patches rendered from the published CIE 1931 2° table at 1 nm (CIE 018:2019, ISO 11664-1,
// data/cie1931-2deg-1nm.csv), not from the program's observer:
// equal-energy light 400..800 nm between crossed polarisers, seen by an eye adapted to D65.
using Xyz = std::array<double, 3>;
constexpr Xyz D65{0.9505, 1.0, 1.089};

const std::vector<std::array<double, 4>> &cie()
{
    static const std::vector<std::array<double, 4>> lignes = [] {
        std::vector<std::array<double, 4>> l;
        std::ifstream f(CIE_1931_CSV);
        std::string ligne;
        std::array<double, 4> v{};
        while (std::getline(f, ligne)) // the header reads as no numbers
            if (std::sscanf(ligne.c_str(), "%lf,%lf,%lf,%lf", &v[0], &v[1], &v[2], &v[3]) == 4 &&
                v[0] >= 400)
                l.push_back(v);
        return l;
    }();
    return lignes;
}

// Planck's law, relative: c2 = 1.4388e7 nm·K.
double planck3200(double lambda)
{
    return std::pow(lambda, -5) / std::expm1(1.4388e7 / (lambda * 3200));
}

// Retardation below 0: half the light, the high-order white. Under the lamp, XYZ at the lamp's
// own white (Y = 1), as a camera sees it without adapting.
Xyz xyzDuRetard(double retard, bool lampe = false)
{
    Xyz somme{}, total{};
    for (const auto &l : cie()) {
        const double t = retard < 0 ? 0.5 : std::pow(std::sin(std::numbers::pi * retard / l[0]), 2);
        const double p = lampe ? planck3200(l[0]) : 1.0;
        for (int c = 0; c < 3; ++c)
            somme[c] += l[1 + c] * p * t, total[c] += l[1 + c] * p;
    }
    if (lampe)
        return {somme[0] / total[1], somme[1] / total[1], somme[2] / total[1]};
    // Equal-energy white seen by an eye adapted to D65: the Bradford transform.
    const double m[3][3] = {
        {0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}};
    const double inverse[3][3] = {{0.9869929, -0.1470543, 0.1599627},
                                  {0.4323053, 0.5183603, 0.0492912},
                                  {-0.0085287, 0.0400428, 0.9684867}};
    Xyz cone{};
    for (int i = 0; i < 3; ++i) {
        double de = 0, vers = 0;
        for (int j = 0; j < 3; ++j) {
            de += m[i][j], vers += m[i][j] * D65[j];
            cone[i] += m[i][j] * somme[j] / total[j];
        }
        cone[i] *= vers / de;
    }
    Xyz xyz{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            xyz[i] += inverse[i][j] * cone[j];
    return xyz;
}

int code(double v)
{
    v = std::clamp(v, 0.0, 1.0);
    return int(
        std::lround(255 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055)));
}

Xyz lineaire(const Xyz &x)
{
    return {3.2406 * x[0] - 1.5372 * x[1] - 0.4986 * x[2],
            -0.9689 * x[0] + 1.8758 * x[1] + 0.0415 * x[2],
            0.0557 * x[0] - 0.2040 * x[1] + 1.0570 * x[2]};
}

// Linear sRGB brought into the cube as the screen shows it: mixed with a mid grey (0.5 in
// linear light) just enough to fit, so that hues stay; or as a camera does, each channel clipped.
// The camera is exposed so that the lamp's full white has its brightest channel just full, then by
// the photograph's exposure.
Rgb8 srgb(const Xyz &x, Prise prise = {})
{
    Xyz c = lineaire(x);
    const Xyz moitie = lineaire(xyzDuRetard(-1, true)); // the full light is twice this
    const double plein =
        prise.lampe3200K ? 2 * *std::max_element(moitie.begin(), moitie.end()) : 1.0;
    for (double &v : c)
        v *= prise.exposition / plein;
    double k = 1;
    if (!prise.ecretage) // a camera's channels are clipped each on its own, by code()
        for (const double v : c)
            k = std::min(k, v < 0 ? 0.5 / (0.5 - v) : v > 1 ? 0.5 / (v - 0.5) : 1.0);
    for (double &v : c)
        v = 0.5 + k * (v - 0.5);
    return {std::uint8_t(code(c[0])), std::uint8_t(code(c[1])), std::uint8_t(code(c[2]))};
}

// The colour moved by 2 ΔE*ab in a random direction of CIELAB.
Xyz bruite(const Xyz &x, std::mt19937 &hasard)
{
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    const auto g = [](double t) { return t > 6.0 / 29 ? t * t * t : (116 * t - 16) * 27 / 24389; };
    const double fx = f(x[0] / D65[0]), fy = f(x[1] / D65[1]), fz = f(x[2] / D65[2]);
    std::normal_distribution<double> n;
    Xyz d{n(hasard), n(hasard), n(hasard)};
    const double norme = std::hypot(d[0], d[1], d[2]) / 2;
    const double L = 116 * fy - 16 + d[0] / norme, a = 500 * (fx - fy) + d[1] / norme,
                 b = 200 * (fy - fz) + d[2] / norme;
    const double y = (L + 16) / 116;
    return {g(y + a / 500) * D65[0], g(y) * D65[1], g(y - b / 200) * D65[2]};
}

} // namespace

Rgb8 CouleurDuRetard(double retard, Prise prise)
{
    return srgb(xyzDuRetard(retard, prise.lampe3200K), prise);
}

QImage photographie(bool bruit, Prise prise)
{
    QImage image(11 * Cote, 4 * Cote, QImage::Format_RGB32);
    image.fill(Qt::black);
    const Rgb8 b = CouleurDuRetard(-1, prise);
    for (int y = 3 * Cote; y < 4 * Cote; ++y)
        for (int z = 0; z < Cote; ++z)
            image.setPixel(z, y, qRgb(b.r, b.g, b.b));
    std::mt19937 hasard(19);
    for (int i = 0; i < Pastilles; ++i) {
        const Xyz x = xyzDuRetard(vrai(i), prise.lampe3200K);
        const Rgb8 c = srgb(bruit ? bruite(x, hasard) : x, prise);
        for (int y = 0; y < Cote; ++y)
            for (int z = 0; z < Cote; ++z)
                image.setPixel(i % 11 * Cote + z, i / 11 * Cote + y, qRgb(c.r, c.g, c.b));
    }
    return image;
}
