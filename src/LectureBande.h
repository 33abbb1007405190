// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The readout on the Michel-Lévy strip: the retardation under the pointer, its colour and the
// minerals that may show it in the current section.
#include <QString>

#include <optional>

class Reglages;
class TImage;

// The retardation at column x of the strip, none without a table.
std::optional<double> RetardDeColonne(const TImage *image, int x);
// The readout at column x of the strip, empty without a table.
QString LectureMichelLevy(const TImage *image, int x, const Reglages &reglages);
// Shows that readout as the strip's tooltip, beside its own mouse handlers.
void InstalleLectureMichelLevy(TImage *image, const Reglages &reglages);
