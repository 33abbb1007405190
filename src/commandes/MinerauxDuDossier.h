// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mineral table of the working folder, as the window reads it, for the commands.
#include "MichelLevySpectre/presentation/Mineraux.h"

#include <vector>

// The rows of "mineraux.tsv"; an Erreur says in French why there are none.
std::vector<Mineral> LitMinerauxDuDossier();
