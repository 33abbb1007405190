// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures the window's menus offer: the strip or a chart copied (screen resolution) or
// saved as PNG, SVG or PDF, the full Michel-Lévy chart of the current table saved for printing,
// and one A4 page for a handout (the strip, the curves and the chart).
#include "MichelLevySpectre/figures/FenetreFigures.h"

class QWidget;

void CopieImage(const FenetreFigures &fenetre, QWidget *source);
void EnregistreImage(const FenetreFigures &fenetre, QWidget *source);
void EnregistreCharteMichelLevy(const FenetreFigures &fenetre);
void EnregistrePlanche(const FenetreFigures &fenetre);
