// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stage's exercise: a grain drawn at random, the student's answers checked against it.
// No Qt here.
#include "MichelLevySpectre/grains/GrainSurPlatine.h"

#include <array>
#include <optional>
#include <random>
#include <span>
#include <string>

inline constexpr int NombreChoix = 4;
inline constexpr double ToleranceExtinction = 3.0; // degrees, either way

// The classes of birefringence a course names (the program's bounds on δ max: below 0.010,
// to 0.025, to 0.100, beyond).
inline constexpr std::array<const char *, 4> ClassesBirefringence{"faible", "moyenne", "forte",
                                                                  "très forte"};
int ClasseBirefringence(double delta);

struct Exercice {
    Mineral mineral;
    FicheGrain fiche;
    std::array<std::string, NombreChoix> choix; // the answer among others, shuffled
    double angleDepart = 0;                     // the stage's first angle, °
    // The section turned about the length, °, drawn once the grain's indices are known; none:
    // the section of greatest birefringence.
    std::optional<double> coupe{};
};

// A mineral that has a drawable grain, with three others as wrong choices; the table must hold
// at least four such minerals.
Exercice TireExercice(std::span<const Mineral> table, std::span<const FicheGrain> grains,
                      std::mt19937 &hasard);

struct Reponses {
    double extinction = 0;   // ° between the length and the nearest extinction
    std::string allongement; // as SigneAllongement says it
    int classe = 0;          // index in ClassesBirefringence
    std::string mineral;
};

struct Correction {
    bool extinction = false, allongement = false, classe = false, mineral = false;
    std::string texte; // what was right, then the answer
};

// The class of birefringence is right between that of the section's δ′ and that of the
// mineral's δ max: a grain cut at random shows δ′ ≤ δ.
Correction Corrige(const Exercice &exercice, const GrainDessine &grain, const Reponses &r);
