// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Interference colours by name (Newton's scale) and a colour's nearest retardations, order by
// order, in CIEDE2000. No Qt here.
#include "MichelLevySpectre/presentation/EcartsCouleur.h"
#include "MichelLevySpectre/presentation/Reglages.h"

#include <span>
#include <string>
#include <vector>

// The French name of the interference colour of a plate of that retardation (nm) between
// crossed polarisers in white light: "gris de fer", …, "teinte sensible (pourpre)", "bleu", …,
// "blanc d'ordre supérieur".
std::string NomTeinte(double retard);

// Retardations that the identification compares with, one per nanometre from 0.
inline constexpr int RetardMaxReference = 2600; // nm
inline constexpr int OrdresIdentifies = 4;

// CIELAB of the colour seen at each retardation 0..RetardMaxReference (1 nm apart) in white
// light under those settings: what a photograph's colours are compared with.
std::vector<Lab> ReferenceTeintes(const ReglagesMicroscope &reglages);

struct Candidat {
    int ordre = 1;
    int retard = 0;     // nm
    double ecart = 0.0; // ΔE00 to the colour
};

// For each of the first `ordres` orders (551 nm each), the retardation whose reference colour
// is nearest the colour, nearest first. An order that the reference does not reach is left out.
std::vector<Candidat> IdentifieTeinte(std::span<const Lab> reference, const Lab &couleur,
                                      int ordres = OrdresIdentifies);
