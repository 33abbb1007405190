// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Published CIE tables, compiled in from data/ by tools/gen_tables_cie (TablesCie.cpp is
// generated). No Qt here.

struct LigneCie {
    double x, y, z;
};

// CIE 1931 2° observer, one row per nm from CiePremier.
inline constexpr int CiePremier = 380; // nm
inline constexpr int CieLignes = 421;  // to 800 nm
extern const LigneCie TableCie1931[CieLignes];

// CIE illuminant D65, relative power (100 at 560 nm), one row every D65Pas nm from D65Premier.
inline constexpr int D65Premier = 380; // nm
inline constexpr int D65Pas = 10;      // nm
inline constexpr int D65Lignes = 41;   // to 780 nm
extern const double TableD65[D65Lignes];
