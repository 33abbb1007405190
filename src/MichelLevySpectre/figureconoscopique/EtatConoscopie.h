// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the conoscope's window shows, as its controls set it: the grain, the conoscope, the
// plate and the light. The widgets read it; it knows nothing of them (no Qt here).
#include "MichelLevySpectre/conoscopie/FigureConoscopique.h"

#include <cstdint>
#include <optional>
#include <string>

struct EtatConoscopie {
    std::string mineral = "calcite"; // as the table names it; empty for typed indices
    Grain grain{IndicesUniaxe(1.658, 1.486), {}};
    Conoscope conoscope;
    LameAuxiliaire lame = LameAuxiliaire::Aucune; // at 45°, slow NE–SW
    double biseau = 0;                            // nm, how far the quartz wedge is pushed in
    std::optional<std::int32_t> monochromatique;  // nm; white light when none
    bool cache = false;                           // the exercise's: name and indices hidden
};

// Γ of the plate, nm.
double RetardLameFigure(const EtatConoscopie &etat);

// "uniaxe −", "biaxe +, 2V 38°", "isotrope".
std::string CaractereEnMots(const IndicesPrincipaux &indices);

// "axe optique", "bissectrice aiguë", "axe optique incliné de 15° vers l'est"…
std::string SectionEnMots(const OrientationGrain &orientation);

// The figure's settings in words, for its title and the window's readout: "axe optique,
// platine à 0°, lame λ (551 nm), 30 µm, ouverture 0,85, lumière blanche"; "section cachée"
// while the exercise hides the grain.
std::string ConoscopieEnMots(const EtatConoscopie &etat);

// The saved figure's title: "Calcite (uniaxe −) : figure d'interférence", "Minéral inconnu"
// while the exercise hides it, the typed indices otherwise.
std::string TitreConoscopie(const EtatConoscopie &etat);
