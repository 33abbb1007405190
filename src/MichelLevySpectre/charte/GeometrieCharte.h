// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry of the full Michel-Lévy chart, built without Qt: retardation in nm along the
// horizontal axis, plate thickness in µm up the vertical one, birefringence lines
// Δ = δ × t from the origin.
#include "MichelLevySpectre/RetardCouleur.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr double EpaisseurMaxCharte = 50.0; // µm
constexpr double EpaisseurLameMince = 30.0; // µm, the standard thin section

// The plot's width and height on the page, and the smallest distance between two
// neighbouring labels along one edge, all in the same page unit.
struct PlaceEtiquettes {
    double largeur;
    double hauteur;
    double ecart;
};

// One birefringence line, from the origin to where it leaves the chart.
struct LigneBirefringence {
    int milliemes;    // δ × 1000
    double retard;    // nm at the end point
    double epaisseur; // µm at the end point
    bool bordHaut;    // leaves through the top edge, else through the right one
    bool etiquetee;   // its label has room there
};

struct GeometrieCharte {
    double retardMax = 0; // nm
    std::vector<LigneBirefringence> lignes;
    // The order marks: every `pasOrdres`-th multiple of the order interval up to retardMax,
    // so that two marks stay at least half `place.ecart` apart.
    std::vector<double> ordres;
    int pasOrdres = 1;
};

// δ from 0.001 to 0.010 by 0.001, to 0.020 by 0.002, to 0.050 by 0.005, to 0.10 by 0.01,
// then by 0.01 while their labels fit. A label too close to the previous one on its edge,
// or to a corner on the right edge, is left out; its line stays. The orders last
// `intervalleOrdres` nm: 551 in white light, the band's wavelength in monochromatic light
// (its dark fringes); none when it is not positive.
GeometrieCharte GeometrieMichelLevy(double retardMax, const PlaceEtiquettes &place,
                                    double intervalleOrdres = IntervalleOrdres);

// What the order marks stand for: the orders of white light, 551 nm each, or the dark
// fringes of monochromatic light, one per wavelength.
struct ReperesCharte {
    double intervalle = IntervalleOrdres; // nm
    bool franges = false;
};

// "1re frange", "2e frange", …
std::string NomFrange(std::int64_t n);

// The step between two shown marks: 1, 2 or 5 × 10^k marks, the first that puts them at
// least `ecart` apart when one interval takes `largeurIntervalle`.
std::int64_t PasReperes(double largeurIntervalle, double ecart);

// δ as printed: "0,001", "0,025", "0,06", "0,10".
std::string TexteBirefringence(int milliemes);

// A graduation step of 1, 2 or 5 × 10^k giving at most `intervalles` steps over `etendue`.
double PasGraduation(double etendue, int intervalles);

// The colour value of each of `largeur` columns spanning retardations 0..retardMax: the
// colour of the row whose retardation is nearest the column's centre. Rows ascend in x.
std::vector<std::uint32_t> ColonnesCharte(std::span<const RetardCouleur> table,
                                          std::span<const std::uint32_t> couleurs, int largeur,
                                          double retardMax);
