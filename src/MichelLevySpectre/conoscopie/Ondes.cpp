// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/conoscopie/Ondes.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vecteur {
    double x, y, z;
};

double forme(const Matrice3 &b, const Vecteur &u, const Vecteur &v)
{
    return u.x * (b[0][0] * v.x + b[0][1] * v.y + b[0][2] * v.z) +
           u.y * (b[1][0] * v.x + b[1][1] * v.y + b[1][2] * v.z) +
           u.z * (b[2][0] * v.x + b[2][1] * v.y + b[2][2] * v.z);
}

} // namespace

DirectionOnde DirectionDuPoint(double x, double y, double ouverture, double indiceMoyen)
{
    // sqrt rather than hypot, which guards against overflow no figure meets, and costs more.
    const double rho = std::sqrt(x * x + y * y);
    const double sinC = ouverture * rho / indiceMoyen;
    const double cosC = std::sqrt(1 - sinC * sinC);
    if (rho == 0)
        return {};
    return {sinC * x / rho, sinC * y / rho, cosC};
}

DeuxOndes OndesDeLaDirection(const Matrice3 &b, const DirectionOnde &k)
{
    // e₁ in the vertical plane through k, e₂ horizontal; at the centre, E–W and N–S.
    const double h = std::sqrt(k.x * k.x + k.y * k.y);
    const double c = h > 0 ? k.x / h : 1, s = h > 0 ? k.y / h : 0;
    const Vecteur e1{k.z * c, k.z * s, -h}, e2{-s, c, 0};
    const double b11 = forme(b, e1, e1), b12 = forme(b, e1, e2), b22 = forme(b, e2, e2);
    const double moyenne = (b11 + b22) / 2, ecart = (b11 - b22) / 2,
                 demiEcart = std::sqrt(ecart * ecart + b12 * b12);
    // The smaller eigenvalue 1/n² belongs to the slow wave. Its eigenvector, at angle φ from
    // e₁ with tan 2φ = 2 b₁₂ / (b₁₁ − b₂₂) turned by 90°, by the half-angle formulas.
    DeuxOndes o{1 / std::sqrt(moyenne - demiEcart), 1 / std::sqrt(moyenne + demiEcart)};
    if (demiEcart > 0) {
        // Rounding may take the ratio a hair past ±1.
        const double cos2 = std::clamp(-ecart / demiEcart, -1.0, 1.0);
        const double u = std::sqrt((1 + cos2) / 2);
        const double v = std::copysign(std::sqrt((1 - cos2) / 2), -b12);
        o.lenteX = u * e1.x + v * e2.x;
        o.lenteY = u * e1.y + v * e2.y;
    }
    return o;
}

double Retard(const DeuxOndes &ondes, const DirectionOnde &k, double epaisseur)
{
    return 1000 * epaisseur * (ondes.lente - ondes.rapide) / k.z;
}
