// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the figures take from the main window: its light as its controls set it, and the
// controls they copy. The window hands it over when it is built, so that the figures never
// reach into it.
#include "MichelLevySpectre/Noyau.h"

#include <cstdint>
#include <functional>

class QCustomPlot;
class QWidget;

struct FenetreFigures {
    ModeLumiere mode = ModeLumiere::Blanche;
    std::int32_t centreBande = 550; // nm, in monochromatic light
    std::int32_t largeurBande = 2;  // nm
    bool spectreDuFichier = true;   // white light read from the rainbow file, not computed
    QCustomPlot *courbesIncidentes = nullptr;
    QCustomPlot *courbesInterferences = nullptr;
    QWidget *bande = nullptr;
};

// The window's description, asked for each figure; the defaults above without a window.
void InstalleFenetreFigures(std::function<FenetreFigures()> fenetre);
FenetreFigures FenetreDesFigures();
