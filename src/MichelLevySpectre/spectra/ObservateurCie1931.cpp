// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/spectra/ObservateurCie1931.h"

#include <cmath>

namespace {

// One lobe of the fit: a Gaussian with its own inverse width on each side of its centre.
double lobe(double lambda, double centre, double inverseGauche, double inverseDroite)
{
    const double t = (lambda - centre) * (lambda < centre ? inverseGauche : inverseDroite);
    return std::exp(-0.5 * t * t);
}

} // namespace

Tristimulus CorrespondanceCie1931(double lambda)
{
    // Coefficients as published (inverse widths), not re-derived.
    const double x = 0.362 * lobe(lambda, 442.0, 0.0624, 0.0374) +
                     1.056 * lobe(lambda, 599.8, 0.0264, 0.0323) -
                     0.065 * lobe(lambda, 501.1, 0.0490, 0.0382);
    const double y =
        0.821 * lobe(lambda, 568.8, 0.0213, 0.0247) + 0.286 * lobe(lambda, 530.9, 0.0613, 0.0322);
    const double z =
        1.217 * lobe(lambda, 437.0, 0.0845, 0.0278) + 0.681 * lobe(lambda, 459.0, 0.0385, 0.0725);
    return {x, y, z};
}
