// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/couleurs/EcartsCouleur.h"

#include "MichelLevySpectre/couleurs/Eclairage.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Epsilon = 216.0 / 24389.0;
constexpr double Kappa = 24389.0 / 27.0;

double f(double t) { return t > Epsilon ? std::cbrt(t) : (Kappa * t + 16.0) / 116.0; }

double degres(double radians) { return radians * 180.0 / std::numbers::pi; }
double radians(double degres) { return degres * std::numbers::pi / 180.0; }

// Hue angle in degrees, 0..360, 0 for a neutral colour.
double teinte(double b, double a)
{
    if (a == 0 && b == 0)
        return 0.0;
    const double h = degres(std::atan2(b, a));
    return h < 0 ? h + 360.0 : h;
}

} // namespace

Lab XyzVersLab(const Tristimulus &c, const Tristimulus &blanc)
{
    const double fx = f(c.X / blanc.X), fy = f(c.Y / blanc.Y), fz = f(c.Z / blanc.Z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double LineaireSrgb(std::uint8_t octet)
{
    const double v = octet / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

Lab LineaireVersLab(const RgbLineaire &c)
{
    return XyzVersLab(Applique(MatriceSrgbVersXyz, {c.R, c.G, c.B}), BlancD65);
}

RgbLineaire SrgbVersLineaire(const Rgb8 &c)
{
    return {LineaireSrgb(c.r), LineaireSrgb(c.g), LineaireSrgb(c.b)};
}

Lab SrgbVersLab(const Rgb8 &c) { return LineaireVersLab(SrgbVersLineaire(c)); }

double DeltaEab(const Lab &x, const Lab &y) { return std::hypot(x.L - y.L, x.a - y.a, x.b - y.b); }

double DeltaE2000(const Lab &x, const Lab &y)
{
    const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
    const double cMoy7 = std::pow((c1 + c2) / 2.0, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(cMoy7 / (cMoy7 + std::pow(25.0, 7.0))));
    const double a1 = (1.0 + g) * x.a, a2 = (1.0 + g) * y.a;
    const double cp1 = std::hypot(a1, x.b), cp2 = std::hypot(a2, y.b);
    const double hp1 = teinte(x.b, a1), hp2 = teinte(y.b, a2);

    const double dL = y.L - x.L, dC = cp2 - cp1;
    double dh = 0.0;
    if (cp1 * cp2 != 0) {
        dh = hp2 - hp1;
        if (dh > 180.0)
            dh -= 360.0;
        else if (dh < -180.0)
            dh += 360.0;
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2.0));

    const double lMoy = (x.L + y.L) / 2.0, cMoy = (cp1 + cp2) / 2.0;
    double hMoy = hp1 + hp2;
    if (cp1 * cp2 != 0) {
        if (std::abs(hp1 - hp2) <= 180.0)
            hMoy /= 2.0;
        else
            hMoy = hMoy < 360.0 ? (hMoy + 360.0) / 2.0 : (hMoy - 360.0) / 2.0;
    }
    const double t =
        1.0 - 0.17 * std::cos(radians(hMoy - 30.0)) + 0.24 * std::cos(radians(2.0 * hMoy)) +
        0.32 * std::cos(radians(3.0 * hMoy + 6.0)) - 0.20 * std::cos(radians(4.0 * hMoy - 63.0));
    const double dTheta = 30.0 * std::exp(-std::pow((hMoy - 275.0) / 25.0, 2.0));
    const double cMoyP7 = std::pow(cMoy, 7.0);
    const double rc = 2.0 * std::sqrt(cMoyP7 / (cMoyP7 + std::pow(25.0, 7.0)));
    const double l50 = (lMoy - 50.0) * (lMoy - 50.0);
    const double sl = 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
    const double sc = 1.0 + 0.045 * cMoy;
    const double sh = 1.0 + 0.015 * cMoy * t;
    const double rt = -std::sin(radians(2.0 * dTheta)) * rc;
    const double tl = dL / sl, tc = dC / sc, th = dH / sh;
    return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}
