// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unit's operations that the window calls: they paint, plot and list through the controls
// of the form they are given, so they are built with it.
#include "MichelLevySpectre/Noyau.h"
#include "MichelLevySpectre/figures/FenetreFigures.h"
#include "MichelLevySpectre/reglages/CouleursBande.h"

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
class TForm1;

// An input field's integer: its default when the text is not one, or the conversion error.
std::int32_t EntierDuChamp(const QLineEdit *champ, std::int32_t defaut);
std::int32_t EntierStrictDuChamp(const QLineEdit *champ);

// Light sources.
void LitFichierArcEnCiel(const QString &nom, TMemo *memo, std::int32_t premier,
                         std::int32_t dernier, Tab_RetardCouleur &cible);
void PrepareLumiereBlanche(TForm1 &f);
void FiltreMonochromatique(TForm1 &f);

// Interference run.
ModeLumiere ModeLumiereCourant(const TForm1 &f);
void LitParametres(TForm1 &f);
void CalculMichelLevy(TForm1 &f);

// Colour strips.
void DessineSpectre(TForm1 &f, TImage *image, std::span<const RetardCouleur> table,
                    std::int32_t last, std::int32_t width, std::int32_t height);
void DessineSpectreListe(TForm1 &f, TImage *image, std::span<const RetardCouleur> table,
                         std::int32_t last, std::int32_t width, std::int32_t height, TMemo *memo);
void DessineMichelLevy(TForm1 &f, TImage *image, std::span<const RetardCouleur> table,
                       std::int32_t width, std::int32_t height);

// Intensity charts: kind 1 the incident light, 2 the interference table.
void TraceCourbes(std::int32_t kind, QCustomPlot *chart, const QString &caption);
void RafraichitCourbeIncidente(TForm1 &f);

// Listings and export.
void ListeFichier(TForm1 &f);
void ListeLumiere(TForm1 &f);
void ListeInterferences(TForm1 &f);
void EnregistreInterferences(TForm1 &f);

// What the figures need of the window: its light, its settings and the controls they copy.
FenetreFigures FenetrePourLesFigures(const TForm1 &f);
