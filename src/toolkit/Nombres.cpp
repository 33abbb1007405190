// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Nombres.h"

#include <cmath>

std::optional<double> NombreDecimal(QString texte)
{
    bool lu = false;
    const double v = texte.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&lu);
    return lu && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}
