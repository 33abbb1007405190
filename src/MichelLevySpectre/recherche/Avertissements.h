// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an answer warns of, in French, gathered for the window and the command line. No Qt here.
#include "MichelLevySpectre/recherche/RechercheTeinte.h"

#include <span>
#include <string>

// Every French warning of an answer, one a line, the most urgent first: a dark or saturated
// grain, an ambiguous colour, a poor match; empty when there is none.
std::string AvertissementsReponse(const GrainPhotographie &grain,
                                  std::span<const Candidat> candidats);
