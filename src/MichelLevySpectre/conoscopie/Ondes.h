// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two waves that a direction of the cone of light carries through the grain, and the
// retardation between them. No Qt here.
//
// A point of the figure at (x, y), in units of the field's radius (east and north, ρ² = x² + y²
// ≤ 1), is the ray that leaves the grain at sin θ_air = NA ρ (Abbe's sine condition, NA the
// aperture of condenser and objective). Inside the grain it runs at θ_c, sin θ_air = n̄ sin θ_c
// (Snell, n̄ the mean principal index), with the wave normal
//     k = (sin θ_c cos ψ, sin θ_c sin ψ, cos θ_c),   ψ the point's azimuth.
// Its two waves are the axes of the indicatrix's central section across k: in a basis (e₁, e₂)
// of the plane normal to k, the 2 × 2 form bᵢⱼ = eᵢᵀ B eⱼ has eigenvalues 1/n², and its
// eigenvectors are the vibration directions; the slow wave has the larger index. The grain of
// thickness t delays the slow wave by
//     Δ = t (n_slow − n_fast) / cos θ_c.
#include "MichelLevySpectre/couleurs/Eclairage.h"

// The conoscope's settings that shape the figure.
struct Conoscope {
    double ouverture = 0.85; // NA
    double epaisseur = 30;   // t, µm
};

// The wave normal of a point of the figure, in the stage's frame, and its cos θ_c.
struct DirectionOnde {
    double x = 0, y = 0, z = 1;
};
DirectionOnde DirectionDuPoint(double x, double y, double ouverture, double indiceMoyen);

struct DeuxOndes {
    double lente = 0;  // the slow wave's index
    double rapide = 0; // the fast wave's
    // The slow wave's vibration seen from above: its projection on the stage, not normalised
    // (0, 0 where the two waves are one, along an optic axis).
    double lenteX = 0, lenteY = 0;
};

// The section of the indicatrix's form across the unit wave normal k.
DeuxOndes OndesDeLaDirection(const Matrice3 &forme, const DirectionOnde &k);

// Δ in nm for a grain of t µm.
double Retard(const DeuxOndes &ondes, const DirectionOnde &k, double epaisseur);
