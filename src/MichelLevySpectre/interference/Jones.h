// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A grain on the rotating stage, by Jones matrices: polariser E–W, the grain (a linear
// retarder that may absorb), an accessory plate with its slow direction at 45°, then the
// analyser, or none in plane-polarised light. No Qt here.
#include <complex>
#include <vector>

// The plate's slow direction: NE–SW, 45° anticlockwise from the polariser.
inline constexpr double AngleLameAuxiliaire = 45.0; // degrees

// A coloured grain's amplitude transmission along its slow and its fast direction, one value a
// nanometre from `lambdaMin`; beyond the ends the nearest holds.
struct AbsorptionGrain {
    double lambdaMin = 0;
    std::vector<double> lente, rapide;
};

struct MontagePlatine {
    double retardGrain = 0.0; // Δ, nm
    double angleGrain = 45.0; // α, degrees: its slow direction from the polariser, anticlockwise
    double retardLame = 0.0;  // Γ, nm; 0 for no plate
    bool croises = true;      // analyser N–S; E–W when false
    bool analyseur = true;    // false: plane-polarised light, the analyser withdrawn
    const AbsorptionGrain *absorption = nullptr; // none: a colourless grain
    bool operator==(const MontagePlatine &) const = default;
};

// A linear retarder of phase φ (rad) with its slow direction at θ (rad), acting on (E–W, N–S).
struct MatriceJones {
    std::complex<double> a, b, c, d; // rows (a b) and (c d)
};
MatriceJones Retardateur(double phase, double angle);
// The same, the slow component's amplitude times `lente`, the fast one's times `rapide`.
MatriceJones RetardateurAbsorbant(double phase, double angle, double lente, double rapide);

// The fraction of the light of wavelength λ (nm) that the analyser passes, 0..1.
double TransmissionPlatine(const MontagePlatine &montage, double lambda);
