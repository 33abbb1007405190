// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/spectra/ObservateurCie1931.h"

#include "MichelLevySpectre/spectra/TablesCie.h"

#include <algorithm>
#include <cmath>

Tristimulus CorrespondanceCie1931(double lambda)
{
    const double position = lambda - CiePremier;
    if (!(position >= 0 && position <= CieLignes - 1)) // NaN too
        return {};
    const int k = std::min(int(position), CieLignes - 2);
    const double t = position - k;
    const LigneCie &a = TableCie1931[k], &b = TableCie1931[k + 1];
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
}
