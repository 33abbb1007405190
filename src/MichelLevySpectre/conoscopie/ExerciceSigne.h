// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Exercice : signe optique": a grain of the table drawn at random, its name hidden, and the
// student's three answers judged, each with why. No Qt here.
//
// Only the sections that answer the three questions are drawn: a uniaxial grain on its optic
// axis or tilted by a little (the cross off-centre), a biaxial one on its acute bisectrix or
// its optic axis. 2V is judged on the typical value (the middle of the published range), in
// three classes; a uniaxial mineral's is 0°.
#include "MichelLevySpectre/conoscopie/FigureConoscopique.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

enum class ClasseDeuxV { MoinsDe30, De30A60, PlusDe60 };

ClasseDeuxV ClasseDe(double deuxV);

struct ExerciceSigne {
    Mineral mineral;
    Grain grain;
};

// A mineral of the table whose indices the table gives, and a section, drawn from the seed;
// none when no row gives indices.
std::optional<ExerciceSigne> TireExercice(std::span<const Mineral> table, std::uint32_t graine);

struct ReponseSigne {
    bool biaxe = false;
    bool positif = false;
    ClasseDeuxV deuxV = ClasseDeuxV::MoinsDe30;
};

struct Verdict {
    bool juste = false;
    std::string pourquoi; // French, "Juste : …" or "Non : …"
};

struct JugementSigne {
    Verdict caractere, signe, deuxV;
};

// Each answer right or wrong, and why, for a figure seen with that aperture.
JugementSigne JugeReponse(const ExerciceSigne &exercice, const ReponseSigne &reponse,
                          double ouverture);
