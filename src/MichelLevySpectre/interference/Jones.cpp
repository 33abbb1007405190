// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/interference/Jones.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr double radians = std::numbers::pi / 180;

// The grain's amplitude transmissions at λ: (1, 1) for a colourless one.
std::pair<double, double> amplitudes(const AbsorptionGrain *a, double lambda)
{
    if (!a || a->lente.empty() || a->lente.size() != a->rapide.size())
        return {1.0, 1.0};
    const double x = std::clamp(lambda - a->lambdaMin, 0.0, double(a->lente.size() - 1));
    const auto i = std::size_t(x);
    const std::size_t j = std::min(i + 1, a->lente.size() - 1);
    const double f = x - double(i);
    return {a->lente[i] + f * (a->lente[j] - a->lente[i]),
            a->rapide[i] + f * (a->rapide[j] - a->rapide[i])};
}

} // namespace

// The slow component lags by φ and each is absorbed along its own direction (pleochroism):
// M = a_s e^{iφ} s sᵀ + a_f f fᵀ, s along the slow direction, f across.
MatriceJones RetardateurAbsorbant(double phase, double angle, double lente, double rapide)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const std::complex<double> retard = lente * std::polar(1.0, phase);
    return {retard * c * c + rapide * s * s, (retard - rapide) * c * s, (retard - rapide) * c * s,
            retard * s * s + rapide * c * c};
}

MatriceJones Retardateur(double phase, double angle)
{
    return RetardateurAbsorbant(phase, angle, 1.0, 1.0);
}

double TransmissionPlatine(const MontagePlatine &m, double lambda)
{
    const double tour = 2 * std::numbers::pi / lambda;
    const auto [lente, rapide] = amplitudes(m.absorption, lambda);
    const MatriceJones grain =
        RetardateurAbsorbant(tour * m.retardGrain, m.angleGrain * radians, lente, rapide);
    // The polariser passes (1, 0): the grain's first column.
    std::complex<double> x = grain.a, y = grain.c;
    if (m.retardLame != 0) {
        const MatriceJones lame = Retardateur(tour * m.retardLame, AngleLameAuxiliaire * radians);
        const std::complex<double> x2 = lame.a * x + lame.b * y;
        y = lame.c * x + lame.d * y;
        x = x2;
    }
    // Rounding may take |E|² a hair beyond 1; a NaN (no wavelength) passes nothing.
    const double t = !m.analyseur ? std::norm(x) + std::norm(y) : std::norm(m.croises ? y : x);
    return t > 0 ? std::min(t, 1.0) : 0.0;
}
