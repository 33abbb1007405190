// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unit's operations that the window calls: they paint, plot and list through its
// controls, so they are built with it.
#include "MichelLevySpectre/Noyau.h"
#include "MichelLevySpectre/reglages/ReglagesCourants.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Named only: the operations that take them live beside the window.
class QString;
class TImage;
class TMemo;
class QCustomPlot;
class QLineEdit;
class QWidget;

// An input field's integer: its default when the text is not one, or the conversion error.
std::int32_t EntierDuChamp(const QLineEdit *champ, std::int32_t defaut);
std::int32_t EntierStrictDuChamp(const QLineEdit *champ);

// Light sources.
void LitFichierArcEnCiel(const QString &nom, TMemo *memo, std::int32_t premier,
                         std::int32_t dernier, Tab_RetardCouleur &cible);
void PrepareLumiereBlanche();
void FiltreMonochromatique();

// Interference run.
ModeLumiere ModeLumiereCourant();
void LitParametres();
void CalculMichelLevy();

// Colour strips.
void DessineSpectre(TImage *image, std::span<const RetardCouleur> table, std::int32_t last,
                    std::int32_t width, std::int32_t height);
void DessineSpectreListe(TImage *image, std::span<const RetardCouleur> table, std::int32_t last,
                         std::int32_t width, std::int32_t height, TMemo *memo);
void DessineMichelLevy(TImage *image, std::span<const RetardCouleur> table, std::int32_t width,
                       std::int32_t height);

// Intensity charts: kind 1 the incident light, 2 the interference table.
void TraceCourbes(std::int32_t kind, QCustomPlot *chart, const QString &caption);
void RafraichitCourbeIncidente();

// Listings and export.
void ListeFichier();
void ListeLumiere();
void ListeInterferences();
void EnregistreInterferences();

// Hands the window to the settings (its strip is repainted when they change) and to the
// figures (its light and controls).
void RaccordeFenetre();
