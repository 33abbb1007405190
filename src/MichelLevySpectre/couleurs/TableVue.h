// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interference table in its own colours as the microscope's settings show it. No Qt here.
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Rows 0..lignes - 1 at retardation i × pas_ (x), each with the normalised colour (0..255) of
// what the spectrum shows there: with an accessory plate the colour of |Δ ± Γ|, normalised as
// the table is (white light against the light at 0 nm, monochromatic light against the largest
// sum shown); between parallel polarisers the complement of the crossed colour in white light,
// the cos² sums in monochromatic light.
Tab_RetardCouleur TableVue(std::span<const RetardCouleur> spectre, std::int32_t pas_,
                           std::size_t lignes, ModeLumiere mode,
                           const ReglagesMicroscope &reglages);
