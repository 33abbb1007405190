// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Platine tournante": what the window needs of the rest of the program, and how it opens.
#include "MichelLevySpectre/presentation/Mineraux.h"
#include "MichelLevySpectre/presentation/Reglages.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

// Read at every computation, so the window follows the strip's lamp and viewer.
struct LiensPlatine {
    std::function<ReglagesMicroscope()> reglages;
    // The strip's current retardation (nm), none without a table.
    std::function<std::optional<double>()> retardBande;
    // The largest retardation of the strip's table, the range of a typed one.
    std::function<double()> retardMax;
    // The mineral table, empty with `erreur` saying why in French.
    std::function<std::vector<Mineral>(QString *erreur)> mineraux;
    // The section's thickness, µm.
    std::function<double()> epaisseur;
};

// Created on first use; shown without blocking the main window.
void OuvrePlatine(QWidget *parent, const LiensPlatine &liens);
