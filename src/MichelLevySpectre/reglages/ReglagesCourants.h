// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the strip shows besides its table: the colour mode, the microscope's settings and the
// light of the run. Shared by the window, its figures and the identification window.
#include "MichelLevySpectre/Noyau.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// Colorimetric colours of the Michel-Lévy strip: off at a first start, kept by the menu.
bool CouleursColorimetriquesChoisies();
void ChoisitCouleursColorimetriques(bool actif);
// The microscope's settings: the defaults at a first start, kept by the menu. The colorimetric
// colours follow all of them.
const ReglagesMicroscope &ReglagesCourants();
void ChoisitReglages(const ReglagesMicroscope &reglages);
// Called after each choice above, so that what shows them (the strip) is drawn again; none
// by default.
void SuitChoixReglages(std::function<void()> rappel);

// The band cut into tab_incidente, none for the whole spectrum; each run keeps the light it
// swept, which the colorimetric colours of its table need.
void RetientBandeIncidente(std::optional<LimitesBande> bande);
void RetientLumiereDuCalcul(ModeLumiere mode);
// The light that made the current table: white before any run.
ModeLumiere ModeLumiereDuCalcul();

// The colour value of each row as the Michel-Lévy strip shows it: the table's own values, or
// the colorimetric colours while they are chosen.
std::vector<std::uint32_t> CouleursMichelLevy(std::span<const RetardCouleur> table);
std::vector<std::uint32_t> CouleursMichelLevyColorimetriques(std::span<const RetardCouleur> table);
// With a plate or parallel polarisers the table's own colours change too: those it shows then.
bool ReglagesChangentLaTable();
std::vector<std::uint32_t> CouleursMichelLevyReglees(std::span<const RetardCouleur> table);
