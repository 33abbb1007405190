// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each mineral's grain looks like on the stage, read from grains.tsv: its habit, cleavage,
// extinction, elongation, pleochroism, indices and twins, each as its source publishes it.
// No Qt here.
#include "MichelLevySpectre/mineraux/TableMineraux.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class Habitus { SansForme, Latte, Prisme, PlaqueBasale, Equant };
enum class Clivage { Aucun, Mediocre, Bon, Parfait };
enum class Macle { Aucune, Simple, Polysynthetique };

struct FicheGrain {
    std::string nom; // as in mineraux.tsv
    Habitus habitus = Habitus::SansForme;
    Clivage clivage = Clivage::Aucun; // traces along the length
    // The slow direction γ′ from the length, degrees; none when no source gives it.
    std::optional<Intervalle> lente{};
    std::string allongement;             // "positif", "négatif" or "variable"
    std::array<std::string, 3> couleurs; // along X, Y, Z; empty where no source gives one
    std::vector<Intervalle> indices;     // empty: those of mineraux.tsv
    Macle macle = Macle::Aucune;         // twin plane along the length
    std::string source;
};

// The rows of grains.tsv; a malformed one throws Erreur naming its line.
std::vector<FicheGrain> LitTableGrains(std::string_view texte);

// The row of that mineral of the mineral table, or none.
const FicheGrain *TrouveGrain(std::span<const FicheGrain> grains, const Mineral &mineral);
