// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Platine tournante": what the window needs of the rest of the program, and how it opens.
#include <functional>
#include <optional>

class QWidget;
class Reglages;

struct LiensPlatine {
    // The program's settings (lamp, viewer, thickness, mineral table): the window follows
    // each change at once. None: the defaults and no mineral.
    Reglages *reglages = nullptr;
    // The retardation (nm) of the strip where it was last right-clicked, none without a table.
    std::function<std::optional<double>()> retardBande;
    // The largest retardation of the strip's table, the range of a typed one.
    std::function<double()> retardMax;
};

// Created on first use, its links taken again at each call; shown without blocking the main
// window.
void OuvrePlatine(QWidget *parent, const LiensPlatine &liens);
