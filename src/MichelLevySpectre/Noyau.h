// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computation unit's core, without Qt: the shared record, tables and parameters, the
// light sources, the interference computation and the listing texts.
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/interference/Interferences.h"
#include "MichelLevySpectre/presentation/Charte.h"
#include "MichelLevySpectre/presentation/Couleurs.h"
#include "MichelLevySpectre/presentation/Listes.h"
#include "MichelLevySpectre/presentation/Reglages.h"
#include "MichelLevySpectre/spectra/ArcEnCiel.h"
#include "MichelLevySpectre/spectra/Bande.h"
#include "MichelLevySpectre/spectra/FichierArcEnCiel.h"
#include "MichelLevySpectre/spectra/TexteChamps.h"

#include <cstdint>

// Largest interference table that a run builds.
constexpr std::int64_t LignesInterferencesMax = 1000000;
