// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mineral table: each mineral's birefringence range, optical character and how common it
// is in rocks, read from the shipped text file. No Qt here.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class CaractereOptique { Isotrope, Uniaxe, Biaxe };

// A published range: "1.552-1.576", or one value "1.544" for both ends.
struct Intervalle {
    double min = 0, max = 0;
};

struct Mineral {
    std::string nom;
    double deltaMin = 0;
    double deltaMax = 0;
    CaractereOptique caractere = CaractereOptique::Isotrope;
    int rang = 0;                         // 1 for the most common
    std::vector<std::string> synonymes{}; // other names students type: "cyanite"
    bool teintesAnormales = false;        // known for colours off Newton's scale
    // Optical constants, where the table gives them: the principal indices (ω, ε or nα, nβ,
    // nγ), optic sign (+1, −1, 0 when not given), 2V in degrees and the crystal system.
    std::vector<Intervalle> indices{};
    int signe = 0;
    std::optional<Intervalle> deuxV{};
    std::string systeme{};
};

// The lines of a tab-separated table after its header, each with its number from 1: lines
// starting with '#' are comments, the first other line is the header; a final '\r' is dropped.
struct LigneTableau {
    int numero = 0;
    std::string_view texte;
};
std::vector<LigneTableau> LignesDeDonnees(std::string_view texte);
std::vector<std::string_view> ChampsTabules(std::string_view ligne);

// "1.552-1.576" or "1.544", both ends ordered and not negative.
bool LitIntervalle(std::string_view s, Intervalle &i);
// "1.552-1.576,1.582-1.615,1.587-1.618": one range each (n of an isotropic mineral, ω,ε or
// nα,nβ,nγ); an empty field gives none.
bool LitIndices(std::string_view s, std::vector<Intervalle> &v);

// The table's rows, most common first. Lines starting with '#' are comments; the first other
// line is the header. A malformed row throws Erreur naming its line. The columns after the
// fifth came one by one and may be missing.
std::vector<Mineral> LitTableMineraux(std::string_view texte);

// The table gives δ to the thousandth: its ranges hold what rounds into them.
inline constexpr double ArrondiDelta = 0.0005;

// The mineral named so, or by one of its synonyms, ignoring case (accents kept: "DISTHÈNE" is
// "disthène", "Epidote" is not "épidote"); none when no row matches.
const Mineral *TrouveMineral(std::span<const Mineral> table, std::string_view nom);

// At most `nombre` names joined by ", ", then "…" when there are more; "aucun" for none.
std::string NomsMineraux(std::span<const Mineral> mineraux, std::size_t nombre);

// The minerals a French course names first, those of the table that are birefringent, then
// the other common ones, at most `nombre` in all.
std::vector<Mineral> MinerauxDeLaCharte(std::span<const Mineral> table, std::size_t nombre);
