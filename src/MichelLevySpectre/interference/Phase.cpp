// SPDX-License-Identifier: GPL-3.0-or-later
// Each wavelength's share of the light through the analyser at a retardation: the one formula
// that the plain computation and the fast sweep both use.
#include "MichelLevySpectre/interference/Interferences.h"

#include <cmath>
#include <numbers>

double PhaseRetard(std::int64_t retard, std::int32_t x)
{
    return static_cast<double>(retard) * (2 * std::numbers::pi) / x;
}

double PoidsEchantillon(std::int64_t retard, std::int32_t x, ModeLumiere mode)
{
    double phi = PhaseRetard(retard, x);
    if (mode == ModeLumiere::Monochromatique)
        phi = std::numbers::pi + phi;
    return (std::cos(phi) + 1) * 0.5;
}
