// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The most common minerals named on the full Michel-Lévy chart.
#include "MichelLevySpectre/mineraux/PlacementMineraux.h"
#include "MichelLevySpectre/mineraux/TableMineraux.h"

#include <QRectF>

#include <span>
#include <vector>

class QPainter;

// Minerals named on the chart, those of a course first.
inline constexpr std::size_t MinerauxSurCharte = 24;

// The names as placed on a plot of that size (points) and extent, with the mineral's name in
// each; none without the mineral table.
struct NomCharte {
    std::string nom;
    NomPlace place;
};
std::vector<NomCharte> NomsSurCharte(std::span<const Mineral> table, const QRectF &trace,
                                     double retardMax);

// Draws them over the plot `trace`, retardation 0..retardMax across.
void DessineMinerauxCharte(QPainter &p, std::span<const Mineral> table, const QRectF &trace,
                           double retardMax);
