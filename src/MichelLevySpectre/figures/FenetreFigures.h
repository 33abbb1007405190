// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the figures take from the main window: its light as its controls set it, the settings
// that colour the strip, the mineral table and the controls they copy. The window hands it to
// every figure it asks for, so that the figures never reach into it.
#include "MichelLevySpectre/Noyau.h"
#include "MichelLevySpectre/mineraux/TableMineraux.h"

#include <cstdint>
#include <vector>

class QCustomPlot;
class QWidget;

struct FenetreFigures {
    ModeLumiere mode = ModeLumiere::Blanche;
    std::int32_t centreBande = 550; // nm, in monochromatic light
    std::int32_t largeurBande = 2;  // nm
    bool spectreDuFichier = true;   // white light read from the rainbow file, not computed
    bool colorimetriques = false;   // the strip's colorimetric colours
    ReglagesMicroscope microscope;
    std::vector<Mineral> mineraux; // the table the full chart names
    QCustomPlot *courbesIncidentes = nullptr;
    QCustomPlot *courbesInterferences = nullptr;
    QWidget *bande = nullptr;
};
