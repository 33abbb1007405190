// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the readout and the identification window say of a retardation: its order, colour
// name, birefringence for the section's thickness and the minerals that have it. No Qt here.
#include "MichelLevySpectre/presentation/Mineraux.h"
#include "MichelLevySpectre/presentation/Teintes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr double EpaisseurMin = 1.0;    // µm
inline constexpr double EpaisseurMax = 1000.0; // µm
// Minerals named before "…".
inline constexpr std::size_t MinerauxNommes = 6;

// δ = Δ / thickness, Δ in nm and the thickness in µm.
double Birefringence(double retard, double epaisseur);

// A number with that many decimals and a decimal comma: "0,0217".
std::string Decimal(double valeur, int decimales);

// The readout at a retardation: order, colour name (none when empty), δ and minerals.
std::string LectureRetard(double retard, double epaisseur, const std::string &teinte,
                          std::span<const Mineral> table);

struct LigneIdentification {
    Candidat candidat;
    double delta = 0;
    std::vector<Mineral> mineraux;
};

std::vector<LigneIdentification> LignesIdentification(std::span<const Candidat> candidats,
                                                      double epaisseur,
                                                      std::span<const Mineral> table);

// Tab-separated, one row per candidate under the header
// "ordre\tretard (nm)\tΔE00\tbiréfringence\tminéraux", decimal commas, every mineral named.
std::string TexteResultats(std::span<const LigneIdentification> lignes);

// The thickness as written ("30", "30,5" or "30.5" µm), within EpaisseurMin..EpaisseurMax;
// nothing for any other text.
std::optional<double> LitEpaisseur(std::string_view texte);

// "30", or "30,5" for a fractional thickness.
std::string TexteEpaisseur(double epaisseur);
