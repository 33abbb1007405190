// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours the Michel-Lévy strip shows for the current settings, and the light of the run
// they need. Shared by the window and its figures.
#include "MichelLevySpectre/Noyau.h"
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The band cut into tab_incidente, none for the whole spectrum; each run keeps the light it
// swept, which the colorimetric colours of its table need.
void RetientBandeIncidente(std::optional<LimitesBande> bande);
void RetientLumiereDuCalcul(ModeLumiere mode);
// The light that made the current table: white before any run.
ModeLumiere ModeLumiereDuCalcul();

// The colour value of each row as the Michel-Lévy strip shows it: the table's own values, or
// the colorimetric colours while they are chosen.
std::vector<std::uint32_t> CouleursMichelLevy(std::span<const RetardCouleur> table,
                                              bool colorimetriques,
                                              const ReglagesMicroscope &microscope);
std::vector<std::uint32_t> CouleursMichelLevyColorimetriques(std::span<const RetardCouleur> table,
                                                             const ReglagesMicroscope &microscope);
// With a plate or parallel polarisers the table's own colours change too.
bool ReglagesChangentLaTable(const ReglagesMicroscope &microscope);
