// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures the window's menus offer: the strip or a chart copied (screen resolution) or
// saved as PNG, SVG or PDF, the full Michel-Lévy chart of the current table saved for printing,
// and one A4 page for a handout (the strip, the curves and the chart).
#include "MichelLevySpectre/figures/FenetreFigures.h"

#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

void CopieImage(const FenetreFigures &fenetre, QWidget *source);
void EnregistreImage(const FenetreFigures &fenetre, QWidget *source);
void EnregistreCharteMichelLevy(const FenetreFigures &fenetre);
void EnregistrePlanche(const FenetreFigures &fenetre);

// Another window's figure, drawn in points on a page of that size by `dessine`, saved as PNG
// (300 dpi), SVG or PDF through the same dialog, the vector files titled so.
void EnregistreFigureDessinee(const QString &titre, const QSizeF &points,
                              const std::function<void(QPainter &)> &dessine);
