// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour of one direction of the figure without 401 Jones products per pixel. No Qt here.
//
// Each direction is a grain of retardation Δ with its slow direction at θ on the stage, seen
// through the stage's own chain (polariser E–W, the grain, the plate of retardation Γ with its
// slow direction NE–SW, the analyser). The chain's amplitude is a sum of four terms of phases
// φ + γ, φ, γ and 0 (φ = 2πΔ/λ, γ = 2πΓ/λ) whose weights depend on θ alone, so at one
// wavelength it passes
//     K₀ + K₁ cos γ + K₂ cos φ + K₃ cos(φ + γ) + K₄ cos(φ − γ),
// the K's functions of θ (and of the analyser). Summed over the lamp's light seen by the CIE
// observer, with C(r) = Σ_λ w(λ) cos(2πr/λ) and W = Σ_λ w(λ), a pixel's colour is
//     K₀ W + K₁ C(Γ) + K₂ C(Δ) + K₃ C(Δ + Γ) + K₄ C(|Δ − Γ|):
// C is tabled by nanometre of retardation with the strip's sweep, the K's by tenth of a degree
// from the stage's Jones chain itself, and both are then taken through the stage's viewer, so
// a pixel costs five table readings.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Beyond this the table stops and C is taken as 0: white light's cosines have long cancelled
// out (a white of high order).
inline constexpr double RetardMaxConoscopie = 200000; // nm

struct LumiereConoscopie {
    std::vector<RgbLineaire> cosinus;                // C(r) at r = 0, 1, 2… nm, as seen
    RgbLineaire lampe;                               // W, as seen
    std::vector<std::array<double, 5>> coefficients; // K₀…K₄ at θ = 0, 0.1, … 180°
    double retardLame = 0;                           // Γ, nm
    RgbLineaire cosinusLame;                         // C(Γ)
};

// Monochromatic light: the lamp's light through a filter that passes this many nanometres on
// either side of its wavelength (a 2 nm band, as the strip's default).
inline constexpr std::int32_t DemiBandeMonochromatique = 1;

// The tables for the lamp, the viewer and the polarisers of the settings (their plate is not
// read: the conoscope's plate is the stage's, Γ), for retardations up to retardMax nm; in
// monochromatic light, of the lamp's light around that wavelength (nm, LambdaMin..LambdaMax),
// seen at its own brightness.
LumiereConoscopie PrepareLumiereConoscopie(const ReglagesMicroscope &reglages, double retardLame,
                                           double retardMax,
                                           std::optional<std::int32_t> monochromatique = {});

// What passes, in linear sRGB, for a grain of retardation Δ nm with its slow direction at θ
// degrees from the polariser, anticlockwise.
RgbLineaire LumiereVue(const LumiereConoscopie &l, double retard, double angleLente);
