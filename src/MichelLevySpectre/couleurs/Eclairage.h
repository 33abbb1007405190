// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The microscope's lamp and who looks at the plate: the light's spectrum, its white, and the
// conversion of what passes to linear sRGB as the eye or a camera sees it. No Qt here.
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"
#include "MichelLevySpectre/spectra/ObservateurCie1931.h"

#include <array>

using Matrice3 = std::array<std::array<double, 3>, 3>;

// XYZ to linear sRGB (D65 white, IEC 61966-2-1).
inline constexpr Matrice3 MatriceSrgb{
    {{3.2406, -1.5372, -0.4986}, {-0.9689, 1.8758, 0.0415}, {0.0557, -0.2040, 1.0570}}};

// Linear sRGB to XYZ (IEC 61966-2-1), the inverse of MatriceSrgb.
inline constexpr Matrice3 MatriceSrgbVersXyz{
    {{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}}};

Matrice3 Produit(const Matrice3 &a, const Matrice3 &b);
Tristimulus Applique(const Matrice3 &m, const Tristimulus &t);

// Takes the white `de` to the white `vers` (XYZ, brightness included), as the eye adapts: the
// Bradford transform (Lam 1985).
Matrice3 AdaptationBradford(const Tristimulus &de, const Tristimulus &vers);

// Relative spectral power of the source at a wavelength in nm (100 at 560 nm): equal energy,
// D65 (CIE table, linear between rows, its end values held beyond), Planck's law at 3200 K, or
// the CIE formula of illuminant A. D65 at NaN is 0.
double PuissanceSource(SourceLumineuse source, double lambda);

// The source's unfiltered light over LambdaMin..LambdaMax as the observer sees it, at Y = 1.
Tristimulus BlancSource(SourceLumineuse source);

// XYZ of a light whose white is the source's (Y = 1) to linear sRGB. The adapted eye takes the
// source's white to the D65 white (Bradford transform); a camera set to daylight keeps the
// lamp's cast, exposed so that the white's brightest channel is just full.
Matrice3 XyzVersSrgbVu(const ReglagesMicroscope &reglages);
