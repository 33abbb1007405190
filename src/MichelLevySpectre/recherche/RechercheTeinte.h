// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour's retardations: every reference colour from 0 to 6000 nm, each as a camera would
// photograph it at the exposure that brings it nearest the colour, and the true minima of ΔE00
// along Δ. No Qt here.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"
#include "MichelLevySpectre/couleurs/Teintes.h"
#include "MichelLevySpectre/recherche/Appareil.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

inline constexpr int RetardMaxRecherche = 6000; // nm, one reference per nanometre
inline constexpr int EcartEntreCandidats = 30;  // nm: closer minima are the same answer
inline constexpr std::size_t CandidatsMax = 4;
inline constexpr double SeuilConcordance = 10.0; // ΔE00: above it, nothing matches well

struct Candidat {
    int ordre = 1;
    int retard = 0;     // nm
    double ecart = 0.0; // ΔE00 to the colour
    double exposition = 1.0;
    bool blancSuperieur = false; // Δ is only known to be past DebutBlancSuperieur
};

// The linear sRGB colours seen at 0..RetardMaxRecherche nm (1 nm apart) in white light under
// those settings, before the gamut: a photograph's exposure applies to the light itself.
std::vector<RgbLineaire> ReferenceTeintes(const ReglagesMicroscope &reglages);

// ΔE00 between the grain and each reference, at the exposure that brings them nearest.
struct CourbeEcarts {
    std::vector<double> ecarts, expositions;
};
CourbeEcarts EcartsLeLongDuRetard(std::span<const RgbLineaire> reference,
                                  const GrainPhotographie &grain);

// Whether c is another answer than those chosen: 30 nm from each, and one high-order white for
// all past its onset.
bool ReponseNouvelle(std::span<const Candidat> choisis, const Candidat &c);

// The local minima of the curve, none within EcartEntreCandidats nm of a better one, and one
// high-order white for all past DebutBlancSuperieur: the best CandidatsMax, best first, but for
// an ambiguous rival, second (MetAmbiguiteEnTete).
std::vector<Candidat> CandidatsDeLaCourbe(const CourbeEcarts &courbe);

// The candidates of the grain's colour; none for a grain too dark to read (GrainEteint).
std::vector<Candidat> RechercheTeinte(std::span<const RgbLineaire> reference,
                                      const GrainPhotographie &grain);

// The French warning when even the first candidate is above SeuilConcordance; empty otherwise.
std::string AvertissementConcordance(std::span<const Candidat> candidats);
