// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the readout and the identification window say of a retardation: its order, colour
// name, birefringence for the section's thickness and the minerals that have it. No Qt here.
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/couleurs/Teintes.h"
#include "MichelLevySpectre/mineraux/TableMineraux.h"
#include "MichelLevySpectre/recherche/RechercheTeinte.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr double EpaisseurMin = 1.0;    // µm
inline constexpr double EpaisseurMax = 1000.0; // µm
// Minerals named before "…".
inline constexpr std::size_t MinerauxNommes = 6;
// How far a section's thickness may be from the one given, in µm.
inline constexpr double IncertitudeEpaisseur = 3.0;

// A grain cut at random shows δ′ ≤ δ of its mineral, so its colour gives δ ≥ Δ′ / e; the grain
// of a mineral with the highest colour in the section gives δ ≈ Δ′ / e, to the thickness's
// uncertainty.
enum class LectureDelta { GrainQuelconque, TeinteLaPlusElevee };

// The minerals that a retardation allows in a section of that thickness (µm): for a random
// grain, those whose δ max reaches Δ / e, the closest first; for the highest colour, those
// whose range meets Δ / (e ± IncertitudeEpaisseur), most common first.
std::vector<Mineral> MinerauxDuRetard(std::span<const Mineral> table, double retard,
                                      double epaisseur, LectureDelta lecture);

// δ = Δ / thickness, Δ in nm and the thickness in µm.
double Birefringence(double retard, double epaisseur);

// The readout at a retardation: order, colour name (none when empty), then both readings of δ
// and their minerals in one line.
std::string LectureRetard(double retard, double epaisseur, const std::string &teinte,
                          std::span<const Mineral> table);

struct LigneIdentification {
    Candidat candidat;
    double delta = 0;     // Δ / e, or DebutBlancSuperieur / e for the high-order white
    bool auMoins = false; // δ ≥ delta
    std::vector<Mineral> mineraux;
};

std::vector<LigneIdentification> LignesIdentification(std::span<const Candidat> candidats,
                                                      double epaisseur,
                                                      std::span<const Mineral> table,
                                                      LectureDelta lecture);

// The row's cells as shown and copied: order ("blanc d'ordre supérieur" past
// DebutBlancSuperieur), retardation, ΔE00, δ ("δ ≥ …" as a lower bound), minerals (at most
// `nommes`), exposure ("×1,6").
std::vector<std::string> CellulesLigne(const LigneIdentification &ligne, std::size_t nommes);

// Tab-separated, one row per candidate under the header
// "ordre\tretard (nm)\tΔE00\tbiréfringence\tminéraux\texposition", decimal commas, every
// mineral named.
std::string TexteResultats(std::span<const LigneIdentification> lignes);

// The thickness as written ("30", "30,5" or "30.5" µm), within EpaisseurMin..EpaisseurMax;
// nothing for any other text.
std::optional<double> LitEpaisseur(std::string_view texte);

// "30", or "30,5" for a fractional thickness.
std::string TexteEpaisseur(double epaisseur);
