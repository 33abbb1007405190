// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/couleurs/Gamut.h"

#include <algorithm>

// Chroma reduced at constant lightness and hue (in CIELAB or OKLab) was tried first: near the
// blue primary those lines run almost along the face red = 0 of the gamut, so a colour just
// outside lost much of its chroma and the strip jumped (ΔE*ab up to 10 between rows 1 nm
// apart). A straight line to a grey inside the cube crosses every face at an angle. Measured over
// 0–3000 nm by 1 nm in white light, the largest step is then 2.0–3.3 (per-channel clipping:
// 2.0–2.6), and hues are kept.
RgbLineaire DansGamut(const RgbLineaire &c)
{
    if (!(c.R == c.R && c.G == c.G && c.B == c.B))
        return {};
    double k = 1; // the share of the colour in the mix
    for (const double v : {c.R, c.G, c.B}) {
        if (v < 0)
            k = std::min(k, GrisDeMelange / (GrisDeMelange - v));
        else if (v > 1)
            k = std::min(k, (1 - GrisDeMelange) / (v - GrisDeMelange));
    }
    const auto mele = [k](double v) {
        return std::clamp(GrisDeMelange + k * (v - GrisDeMelange), 0.0, 1.0);
    };
    return k < 1 ? RgbLineaire{mele(c.R), mele(c.G), mele(c.B)} : c;
}
