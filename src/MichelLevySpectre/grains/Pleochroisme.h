// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Published pleochroic colour words turned into absorption: the program's own rule, stated in
// grains.tsv and the README. Each word has a fixed linear-light transmission in red, green and
// blue for a 30 µm section, taken at 610, 540 and 450 nm and interpolated between them; another
// thickness e raises it to the power e/30 (Beer–Lambert). No Qt here.
#include "MichelLevySpectre/interference/Jones.h"

#include <array>
#include <optional>
#include <string_view>

struct FicheGrain;

// The word's transmission (red, green, blue) at 30 µm; (1, 1, 1) for no word, none for a word
// the rule does not know.
std::optional<std::array<double, 3>> TransmissionCouleur(std::string_view mot);

// The grain's absorption in its section of greatest birefringence: its slow direction is Z (O
// for a negative uniaxial mineral, written in Z), its fast one X; none when both are colourless.
std::optional<AbsorptionGrain> AbsorptionDuGrain(const FicheGrain &fiche, double epaisseur);
