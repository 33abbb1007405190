// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a camera photographs an interference colour: the light × the exposure k, each channel
// clipped at the sensor's top (and at 0), then encoded. A channel read at the top only says
// "at least". No Qt here.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"

#include <array>
#include <string>

// A photograph's exposure, as a factor on linear light, stays within these.
inline constexpr double ExpositionMin = 0.4;
inline constexpr double ExpositionMax = 2.5;

// A channel of the grain's mean at or above this (linear light, the code 254 of 255) was at the
// sensor's top: the light there is only known to be at least that.
inline constexpr double SeuilSaturation = 0.991;
// A grain whose lightness L* is below this (Y ≈ 0.010 of the full white, a grey of code 25) is
// extinct or too dark to read: the darkest test patch, 50 nm iron grey at ×0.6, has Y ≈ 0.047
// (L* ≈ 26), and 40 nm, where iron grey begins, Y ≈ 0.03 (CIE 1931 ȳ, equal-energy light).
inline constexpr double ClarteEteinte = 9.0;

// A grain's colour as the search reads it: the colour, after any white reference, and which
// channels were at the sensor's top before it.
struct GrainPhotographie {
    RgbLineaire couleur;
    std::array<bool, 3> sature{};
};

// The grain of that colour, its saturated channels read from the colour as photographed.
GrainPhotographie LitGrain(const RgbLineaire &brute, const RgbLineaire &equilibree);
inline GrainPhotographie LitGrain(const RgbLineaire &c) { return LitGrain(c, c); }

// What the camera would show of that reference at exposure k, as compared with the grain: each
// channel k × reference within 0..1, except that a saturated channel of the grain equals the
// grain's own wherever k × reference reaches it (a one-sided residual).
RgbLineaire VuParLAppareil(const RgbLineaire &reference, double k, const GrainPhotographie &g);

// The k within ExpositionMin..ExpositionMax that brings VuParLAppareil nearest the grain by
// least squares in linear light: the exact minimum of that piecewise quadratic.
double ExpositionMoindresCarres(const RgbLineaire &reference, const GrainPhotographie &g);

// The k within ExpositionMin..ExpositionMax that minimises ΔE00 between VuParLAppareil and the
// grain: a scan of the whole range in log k, then a golden-section search around its best
// point; `depart` (the least-squares k) stays when none does better.
double ExpositionDeltaE(const RgbLineaire &reference, const GrainPhotographie &g, double depart);

bool GrainEteint(const GrainPhotographie &g);

// "Grain éteint ou trop sombre …" for a dark grain, "Canal rouge saturé …" (or "Canaux rouge et
// bleu saturés …") for the saturated channels; empty otherwise.
std::string AvertissementPrise(const GrainPhotographie &g);
