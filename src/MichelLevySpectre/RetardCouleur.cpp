// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/RetardCouleur.h"

// A file's globals are destroyed in the reverse order of their definition: this order makes
// the exit release the incident table first, then the white one, then the interference table.
Tab_RetardCouleur tab_interferences;
Tab_RetardCouleur tab_blanche;
Tab_RetardCouleur tab_incidente;

std::int32_t retard_max = 0;
std::int32_t pas = 0;
std::int32_t lambda_min = 0;
std::int32_t lambda_max = 0;
