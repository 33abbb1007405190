// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CIELAB and colour differences (CIE 15:2004, CIE 142-2001 for CIEDE2000). No Qt here.
#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/spectra/ObservateurCie1931.h"

struct Lab {
    double L = 0.0;
    double a = 0.0;
    double b = 0.0;
};

// CIELAB of a colour relative to a reference white of the same scale.
Lab XyzVersLab(const Tristimulus &couleur, const Tristimulus &blanc);

// An 8-bit sRGB channel back to linear light 0..1.
double LineaireSrgb(std::uint8_t octet);

// An 8-bit sRGB colour in linear light, each channel 0..1.
RgbLineaire SrgbVersLineaire(const Rgb8 &couleur);

// CIELAB (D65 white) of a linear sRGB colour and of an 8-bit sRGB colour.
Lab LineaireVersLab(const RgbLineaire &couleur);
Lab SrgbVersLab(const Rgb8 &couleur);

// ΔE*ab (CIE 1976) and ΔE00 (CIEDE2000, kL = kC = kH = 1).
double DeltaEab(const Lab &x, const Lab &y);
double DeltaE2000(const Lab &x, const Lab &y);
