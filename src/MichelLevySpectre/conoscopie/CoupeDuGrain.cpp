// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/conoscopie/CoupeDuGrain.h"

#include "MichelLevySpectre/conoscopie/Ondes.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double radians = std::numbers::pi / 180;

using Vecteur = std::array<double, 3>; // components on X, Y, Z

constexpr double PartVisible = 0.25; // of γ − α
constexpr int Essais = 50;           // draws before the greatest section is taken

} // namespace

CoupeDuGrain CoupeTournee(const IndicesPrincipaux &n, double lente, double phi)
{
    const double l = lente * radians, f = phi * radians;
    // The length L and, across it in the plane of X and Z, M = L × Y: the section's normal k
    // turns from Y towards M. The section is then seen with L east and L × k north.
    const Vecteur L{std::sin(l), 0, std::cos(l)}, M{-std::cos(l), 0, std::sin(l)};
    const Vecteur k{std::sin(f) * M[0], std::cos(f), std::sin(f) * M[2]};
    const Vecteur nord{L[1] * k[2] - L[2] * k[1], L[2] * k[0] - L[0] * k[2],
                       L[0] * k[1] - L[1] * k[0]};
    const std::array<Vecteur, 3> axes{L, nord, k};
    const Vecteur b{1 / (n.alpha * n.alpha), 1 / (n.beta * n.beta), 1 / (n.gamma * n.gamma)};
    Matrice3 forme{};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            for (std::size_t m = 0; m < 3; ++m)
                forme[i][j] += b[m] * axes[i][m] * axes[j][m];
    const DeuxOndes o = OndesDeLaDirection(forme, {});
    CoupeDuGrain c{o.lente - o.rapide, 0};
    if (o.lenteX != 0 || o.lenteY != 0) { // a section across an optic axis has no slow wave
        c.lente = std::atan2(o.lenteY, o.lenteX) / radians;
        if (c.lente <= -90)
            c.lente += 180;
        else if (c.lente > 90)
            c.lente -= 180;
    }
    return c;
}

GrainDessine DansLaCoupe(GrainDessine grain, const IndicesPrincipaux &n, double phi)
{
    const CoupeDuGrain c = CoupeTournee(n, grain.lente, phi);
    // The table's δ max, scaled as the typical indices turn it.
    const double part = c.delta / (n.gamma - n.alpha);
    grain.delta *= part;
    grain.retard *= part;
    grain.lente = c.lente;
    return grain;
}

double TireCoupe(const IndicesPrincipaux &n, double lente, std::mt19937 &hasard)
{
    std::uniform_real_distribution<double> angle(0, 180);
    for (int i = 0; i < Essais; ++i)
        if (const double phi = angle(hasard);
            CoupeTournee(n, lente, phi).delta >= PartVisible * (n.gamma - n.alpha))
            return phi;
    return 0;
}
