// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen should show for each row of the interference table: the light that the plate
// transmits, seen by the CIE 1931 observer and encoded in sRGB. No Qt here.
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"
#include "MichelLevySpectre/spectra/ObservateurCie1931.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct RgbLineaire {
    double R = 0.0;
    double G = 0.0;
    double B = 0.0;
};

struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb8 &) const = default;
};

// The D65 white at Y = 1: the adapted eye sees the full light of the lamp as this white.
inline constexpr Tristimulus BlancD65{0.9505, 1.0, 1.089};

// XYZ to linear sRGB (D65 white, IEC 61966-2-1 matrix); no clipping, no transfer curve.
RgbLineaire VersSrgbLineaire(const Tristimulus &t);

// The largest channel of the colours, 0 for none.
double CanalLePlusClair(std::span<const RgbLineaire> couleurs);

// A linear channel clipped to 0..1, through the sRGB transfer curve, rounded to 0..255.
std::uint8_t OctetSrgb(double lineaire);
// The three channels so.
Rgb8 EncodeSrgb(const RgbLineaire &couleur);

// The light's samples at the given wavelengths (nm, none 0: left out) with x̄, ȳ, z̄ times the
// source's power as their R, G, B.
Tab_RetardCouleur SpectreCie(std::span<const std::int32_t> longueursOnde, SourceLumineuse source);

// A linear sRGB colour brought into the gamut (DansGamut) and encoded: the strip's last step.
Rgb8 EncodeDansGamut(const RgbLineaire &couleur);

// Rows 0..lignes - 1 at retardation i × pas_, for the light of the microscope's source at the
// given wavelengths (nm, none 0), each sample weighing x̄, ȳ, z̄ times the source's power, seen
// through the settings: an accessory plate shows the colour of |Δ ± Γ|, parallel polarisers pass
// cos² where crossed ones pass sin². White light: what passes over the full light (Y = 1).
// Monochromatic light: what passes, scaled so that the table's brightest linear channel is 1.
// Then as the viewer sees it (XyzVersSrgbVu), brought into the gamut (DansGamut) and encoded.
std::vector<Rgb8> CouleursColorimetriques(std::span<const std::int32_t> longueursOnde,
                                          std::int32_t pas_, std::size_t lignes, ModeLumiere mode,
                                          const ReglagesMicroscope &reglages = {});
// The same colours in linear light before they are brought into the gamut and encoded.
std::vector<RgbLineaire> LineairesColorimetriques(std::span<const std::int32_t> longueursOnde,
                                                  std::int32_t pas_, std::size_t lignes,
                                                  ModeLumiere mode,
                                                  const ReglagesMicroscope &reglages = {});

// The retardation that an accessory plate adds to every row: +Γ, −Γ or 0.
std::int32_t OrigineLame(const ReglagesMicroscope &reglages);