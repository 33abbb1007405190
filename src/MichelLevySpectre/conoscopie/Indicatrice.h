// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optical indicatrix of a grain and how the grain lies on the stage. No Qt here.
//
// The indicatrix is the ellipsoid x²/nα² + y²/nβ² + z²/nγ² = 1 on its principal axes X, Y, Z
// (nα ≤ nβ ≤ nγ). A uniaxial mineral is the case of two equal indices: (ω, ω, ε) when positive
// (ε > ω, optic axis Z), (ε, ω, ω) when negative (optic axis X). A biaxial one has its two optic
// axes in the plane XZ, each at V_z from Z, with
//     cos² V_z = nα² (nγ² − nβ²) / (nβ² (nγ² − nα²));
// it is positive when Z bisects the acute angle (V_z < 45°), negative when X does.
//
// The stage's frame: x towards the east (the polariser E–W), y north, z up to the observer.
// Each section sets the crystal in that frame at stage 0, then the stage turns it anticlockwise
// about z, as on the stage window:
//   - axe optique: one optic axis vertical, the optic plane XZ through E–W;
//   - bissectrice aiguë / obtuse: that bisectrix vertical, the optic plane through E–W;
//   - normale optique: Y vertical, X E–W and Z N–S (the flash figure);
//   - inclinée θ: as "axe optique", then tilted by θ about N–S so that the optic axis leans
//     towards the east.
#include "MichelLevySpectre/couleurs/Eclairage.h"
#include "MichelLevySpectre/mineraux/TableMineraux.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

struct IndicesPrincipaux {
    double alpha = 0; // nα, the smallest
    double beta = 0;  // nβ
    double gamma = 0; // nγ, the largest
};

// A uniaxial mineral's ω and ε as principal indices.
IndicesPrincipaux IndicesUniaxe(double omega, double epsilon);

// The indices a figure is drawn for: they keep the rays inside the grain within 51° of the
// normal at any aperture up to 1 (sin θ_c ≤ 1/1.3), so cos θ_c never nears 0.
inline constexpr double IndiceMin = 1.3;
inline constexpr double IndiceMax = 3.0;

// Indices as typed or tabled: two values are ω, ε; three are nα ≤ nβ ≤ nγ. None for another
// count, three out of order, or a value outside IndiceMin..IndiceMax.
std::optional<IndicesPrincipaux> IndicesDesValeurs(std::span<const double> valeurs);

// Indices as typed: "1.658, 1.486" (decimal points, commas between) or "1,658 ; 1,486" (decimal
// commas, semicolons between). None when a field is not a number.
std::optional<std::vector<double>> LitValeursIndices(std::string_view texte);

// The mean of the three principal indices: the index light bends by on entering (Snell).
double IndiceMoyen(const IndicesPrincipaux &n);

// A tabled mineral's typical indices: the middle of each published range, except nβ of a
// biaxial mineral whose 2V is tabled: 2V moves much with nβ, so nβ is the one that gives the
// middle of the 2V range with those nα and nγ (the relation above, solved for nβ); an isotropic
// mineral's n three times. None when the table gives no indices, or they do not make principal
// indices.
std::optional<IndicesPrincipaux> IndicesDuMineral(const Mineral &m);

// V_z in degrees, 0..90: 0 for a positive uniaxial mineral, 90 for a negative one, 0 for an
// isotropic one.
double AngleVz(const IndicesPrincipaux &n);

// Positive when Z is the acute bisectrix (V_z < 45°); a uniaxial mineral by ε > ω.
bool SignePositif(const IndicesPrincipaux &n);

// 2V in degrees, the acute angle between the optic axes.
double Angle2V(const IndicesPrincipaux &n);

enum class SectionGrain {
    AxeOptique,
    BissectriceAigue,
    BissectriceObtuse,
    NormaleOptique,
    Inclinee
};

struct OrientationGrain {
    SectionGrain section = SectionGrain::AxeOptique;
    double inclinaison = 0; // θ, degrees, for an inclined section
    double platine = 0;     // the stage's angle, degrees, anticlockwise
};

// The principal axes X, Y, Z in the stage's frame: the columns of the matrix.
Matrice3 AxesIndicatrice(const IndicesPrincipaux &n, const OrientationGrain &o);

// The indicatrix's quadratic form in the stage's frame: R diag(1/nα², 1/nβ², 1/nγ²) Rᵀ, so
// that the surface is {v : vᵀ B v = 1}.
Matrice3 FormeIndicatrice(const IndicesPrincipaux &n, const OrientationGrain &o);
