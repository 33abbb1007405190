// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CIE 1931 2° standard observer. No Qt here.

struct Tristimulus {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

// Colour-matching functions x̄, ȳ, z̄ at a wavelength in nm, from the CIE table at 1 nm
// (380–800 nm, linear between rows), 0 outside it.
Tristimulus CorrespondanceCie1931(double lambda);
