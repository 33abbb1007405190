// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computation unit's core, without Qt: the shared record, tables and parameters, the
// light sources, the interference computation and the listing texts.
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/charte/GeometrieCharte.h"
#include "MichelLevySpectre/couleurs/CodesCouleur.h"
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"
#include "MichelLevySpectre/interference/Interferences.h"
#include "MichelLevySpectre/listes/TextesListes.h"
#include "MichelLevySpectre/spectra/ArcEnCiel.h"
#include "MichelLevySpectre/spectra/Bande.h"
#include "MichelLevySpectre/spectra/FichierArcEnCiel.h"
#include "MichelLevySpectre/spectra/TexteChamps.h"

#include <cstdint>

// Largest interference table that a run builds.
constexpr std::int64_t LignesInterferencesMax = 1000000;
