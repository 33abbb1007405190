// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unit's operations that the window calls: they paint, plot and list through its
// controls, so they are built with it.
#include "MichelLevySpectre/Noyau.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Named only: the operations that take them live in qt/, beside the window.
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
// The colour value of each row as the Michel-Lévy strip shows it: the table's own values, or
// the colorimetric colours while they are chosen.
std::vector<std::uint32_t> CouleursMichelLevy(std::span<const RetardCouleur> table);
void DessineMichelLevy(TImage *image, std::span<const RetardCouleur> table, std::int32_t width,
                       std::int32_t height);

// Colorimetric colours of the Michel-Lévy strip: off at a first start, kept by the menu. Choosing
// repaints the strip from the current table and changes nothing else.
bool CouleursColorimetriquesChoisies();
void ChoisitCouleursColorimetriques(bool actif);
// The band cut into tab_incidente, none for the whole spectrum; each run keeps the light it
// swept, which the colorimetric colours of its table need.
void RetientBandeIncidente(std::optional<LimitesBande> bande);
void RetientLumiereDuCalcul();
std::vector<std::uint32_t> CouleursMichelLevyColorimetriques(std::span<const RetardCouleur> table);
// With a plate or parallel polarisers the table's own colours change too: those it shows then.
bool ReglagesChangentLaTable();
std::vector<std::uint32_t> CouleursMichelLevyReglees(std::span<const RetardCouleur> table);
// The microscope's settings: the defaults at a first start, kept by the menu. Choosing repaints the
// strip; the colorimetric colours follow all of them.
const ReglagesMicroscope &ReglagesCourants();
void ChoisitReglages(const ReglagesMicroscope &reglages);

// Intensity charts: kind 1 the incident light, 2 the interference table.
void TraceCourbes(std::int32_t kind, QCustomPlot *chart, const QString &caption);
void RafraichitCourbeIncidente();

// Listings and export.
void ListeFichier();
void ListeLumiere();
void ListeInterferences();
void EnregistreInterferences();

// Figures: the strip or a chart copied (screen resolution) or saved as PNG, SVG or PDF, and
// the full Michel-Lévy chart of the current table saved for printing.
void CopieImage(QWidget *source);
void EnregistreImage(QWidget *source);
void EnregistreCharteMichelLevy();
// One A4 page for a handout: the strip, the curves and the chart of the current table.
void EnregistrePlanche();
