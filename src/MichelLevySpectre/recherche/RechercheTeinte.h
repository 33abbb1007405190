// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour's retardations: every reference colour from 0 to 6000 nm, each at the exposure that
// brings it nearest the colour, and the true minima of ΔE00 along Δ. No Qt here.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

inline constexpr int RetardMaxRecherche = 6000;  // nm, one reference per nanometre
inline constexpr int DebutBlancSuperieur = 2800; // nm: past it, colours fade to one white
inline constexpr int EcartEntreCandidats = 30;   // nm: closer minima are the same answer
inline constexpr std::size_t CandidatsMax = 4;
inline constexpr double SeuilConcordance = 10.0; // ΔE00: above it, nothing matches well
// A photograph's exposure, as a factor on linear light, stays within these.
inline constexpr double ExpositionMin = 0.4;
inline constexpr double ExpositionMax = 2.5;

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

// The factor k within ExpositionMin..ExpositionMax whose k × reference, brought into the gamut
// as the strip does, is nearest the colour in linear light: least squares over the three
// channels, and where k × reference leaves the gamut, over its mix with the grey; 1 for black.
double MeilleureExposition(const RgbLineaire &reference, const RgbLineaire &couleur);

// The local minima of ΔE00 along Δ, each reference at its best exposure and brought into the
// gamut as the strip does: at most one per order, none within EcartEntreCandidats nm of a
// better one, and one high-order white for all past DebutBlancSuperieur. The best
// CandidatsMax, best first; near-equal matches rank by the smaller change of exposure, then
// the lower retardation.
std::vector<Candidat> RechercheTeinte(std::span<const RgbLineaire> reference,
                                      const RgbLineaire &couleur);

// The French warning when even the first candidate is above SeuilConcordance; empty otherwise.
std::string AvertissementConcordance(std::span<const Candidat> candidats);
