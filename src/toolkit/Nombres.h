// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the user types them.
#include <QString>

#include <optional>

// A decimal number with a point or a comma; none for any other text, NaN and infinities too.
std::optional<double> NombreDecimal(QString texte);
