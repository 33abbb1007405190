// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stage as a practical class: the state that the window and its field read, and the colour
// of a mineral's grain at any angle, in crossed or in plane-polarised light, through the stage's
// one Jones chain (GrainPlatine). No Qt here.
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"
#include "MichelLevySpectre/grains/TableGrains.h"
#include "MichelLevySpectre/optique/GrainPlatine.h"

#include <optional>
#include <string>

inline constexpr double IndiceBaume = 1.54; // the mounting medium

struct EtatPlatine {
    std::string mineral; // the table's grain drawn; empty: a grain of the typed retardation
    double angle = 0;    // the grain's length from the E–W polariser, anticlockwise, °
    double retard = 400; // Δ, nm: a first-order white until something sets it
    double lente = 0;    // its slow direction γ′ from the length, °
    LameAuxiliaire lame = LameAuxiliaire::Aucune;
    double biseau = 0;      // nm, where the wedge is pushed in
    bool croises = true;    // analyser N–S; E–W when false
    bool naturelle = false; // plane-polarised light, the analyser withdrawn
    bool exercice = false;  // the name and the extinction are hidden
    double epaisseur = 30;  // µm
    double miseAuPoint = 0; // −1 (stage lowered) .. 1 (raised), for the Becke line
    bool operator==(const EtatPlatine &) const = default;
};

// A mineral's grain as the stage draws it, in its section of greatest birefringence unless
// cut otherwise (see conoscopie/CoupeDuGrain.h).
struct GrainDessine {
    const FicheGrain *fiche = nullptr;
    double delta = 0;               // δ′ of the section
    double retard = 0;              // Δ, nm
    double lente = 0;               // γ′ from the length, °: the middle of the published range
    std::optional<double> relief{}; // mean index − 1.54, when indices are published
    std::optional<AbsorptionGrain> absorption{};
};

// The published extinction's middle, else `lenteChoisie` (the stage's own setting); none when
// neither is there.
std::optional<GrainDessine> PrepareGrain(const Mineral &mineral, const FicheGrain &fiche,
                                         double epaisseur,
                                         std::optional<double> lenteChoisie = std::nullopt);

// The stage as `etat` sets it with that grain on it.
EtatPlatine AvecLeGrain(EtatPlatine etat, const GrainDessine &grain);

// The stage's Jones set-up for one individual of the grain: lamella 1 of a twin has its slow
// direction mirrored across the twin plane, which lies along the length. `absorption`: the
// grain's pleochroism, none for a colourless grain.
MontagePlatine MontageDeLaPlatine(const EtatPlatine &etat,
                                  const AbsorptionGrain *absorption = nullptr, int lamelle = 0);
