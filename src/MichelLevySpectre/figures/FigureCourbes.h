// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart's curves as a figure: white, titled, with a legend and both axis titles. Built on
// an offscreen copy, so that the window's chart is never touched.
#include "MichelLevySpectre/figures/Figures.h"

#include <QImage>

#include <memory>

class QCustomPlot;

// The copy of Chart1 or Chart2, `taille` units of the device it will be drawn on.
std::unique_ptr<QCustomPlot> FigureCourbes(const FenetreFigures &fenetre, QCustomPlot *chart,
                                           const QSize &taille);

// The saved figure (PNG four times as large) and the copied one, at the screen's size.
QByteArray OctetsFigureCourbes(const FenetreFigures &fenetre, FormatFigure format,
                               QCustomPlot *chart);
QImage ImageFigureCourbes(const FenetreFigures &fenetre, QCustomPlot *chart);
