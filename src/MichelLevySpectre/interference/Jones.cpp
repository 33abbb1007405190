// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/interference/Jones.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double radians = std::numbers::pi / 180;

} // namespace

// The slow component lags by φ: M = e^{iφ} s sᵀ + f fᵀ, s along the slow direction, f across.
MatriceJones Retardateur(double phase, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const std::complex<double> retard = std::polar(1.0, phase);
    return {retard * c * c + s * s, (retard - 1.0) * c * s, (retard - 1.0) * c * s,
            retard * s * s + c * c};
}

double TransmissionPlatine(const MontagePlatine &m, double lambda)
{
    const double tour = 2 * std::numbers::pi / lambda;
    const MatriceJones grain = Retardateur(tour * m.retardGrain, m.angleGrain * radians);
    // The polariser passes (1, 0): the grain's first column.
    std::complex<double> x = grain.a, y = grain.c;
    if (m.retardLame != 0) {
        const MatriceJones lame = Retardateur(tour * m.retardLame, AngleLameAuxiliaire * radians);
        const std::complex<double> x2 = lame.a * x + lame.b * y;
        y = lame.c * x + lame.d * y;
        x = x2;
    }
    // Rounding may take |E|² a hair beyond 1; a NaN (no wavelength) passes nothing.
    const double t = std::norm(m.croises ? y : x);
    return t > 0 ? std::min(t, 1.0) : 0.0;
}
