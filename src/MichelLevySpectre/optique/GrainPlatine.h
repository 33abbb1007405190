// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a grain on the rotating stage looks like: its Jones transmission at every wavelength,
// then the strip's own colour pipeline (lamp, viewer, CIE observer, gamut). No Qt here.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/couleurs/Eclairage.h"
#include "MichelLevySpectre/interference/Jones.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr int AnglesTour = 360; // one brightness a degree over a full turn

// The lamp's light over LambdaMin..LambdaMax and how the viewer sees it, prepared once per
// settings (only the source and the viewer count here).
struct LumierePlatine {
    Tab_RetardCouleur spectre; // x̄, ȳ, z̄ times the source's power
    double totalY = 1.0;
    Matrice3 vu{};
};
LumierePlatine PrepareLumierePlatine(const ReglagesMicroscope &reglages);

struct VuePlatine {
    Rgb8 couleur;
    double luminosite = 0.0; // Y of what passes over the lamp's, 0..1
};

// The grain's colour, as the strip encodes it, and its brightness.
VuePlatine VoitPlatine(const LumierePlatine &lumiere, const MontagePlatine &montage);

// The brightness at stage angles 0, 1, … 359°, the grain's slow direction at
// montage.angleGrain when the stage reads 0.
std::vector<double> LuminositesTour(const LumierePlatine &lumiere, MontagePlatine montage);

// The angle (0..45°) between the grain's length and the nearest cross-hair where a turn (its
// length along 0° at stage 0) is darkest; none when it never lights up.
std::optional<int> ExtinctionMesuree(std::span<const double> tour);

// "allongement positif (lent)" when the slow direction lies nearer the length than 45°,
// "allongement négatif (rapide)" beyond, "allongement indéterminé" at 45°.
std::string SigneAllongement(double angleExtinction);

// The retardation whose colour the grain shows in its diagonal position: Δ without a plate;
// with one, Δ + Γ when the slow directions lie together, |Δ − Γ| when crossed, and Γ near
// extinction, where the plate's own colour fills the view.
double RetardApparent(const MontagePlatine &montage);
