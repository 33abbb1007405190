// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interference figure of a grain seen through the conoscope (Bertrand lens in, condenser
// up): every direction of the cone of light, each with its own two waves (Ondes.h), coloured
// as the stage colours a grain (LumiereConoscopie.h). No Qt here.
//
// Checks a student can make: a uniaxial optic-axis figure has a dark centre and a dark cross
// along the polarisers; with the λ plate (slow NE–SW) a positive mineral adds (second-order
// blue) in the NE and SW quadrants near the centre, a negative one in NW and SE; a biaxial
// acute-bisectrix figure at 45° has its melatopes where Mallard's law puts them,
// sin E = nβ sin V, at ρ = sin E / NA.
#include "MichelLevySpectre/conoscopie/Indicatrice.h"
#include "MichelLevySpectre/conoscopie/LumiereConoscopie.h"
#include "MichelLevySpectre/conoscopie/Ondes.h"

#include <cstdint>
#include <vector>

struct Grain {
    IndicesPrincipaux indices;
    OrientationGrain orientation;
};

// The largest retardation a figure can show: Δ at the field's edge for the largest
// birefringence nγ − nα.
double RetardMaxFigure(const IndicesPrincipaux &indices, const Conoscope &conoscope);

// A square of cote × cote pixels, 4 bytes each (R, G, B, alpha, sRGB), row by row from the
// north, each row from the west. The field is the inscribed disc; outside it every byte is 0.
struct ImageFigure {
    int cote = 0;
    std::vector<std::uint8_t> rgba;
};

// The figure of the grain; the light must have been prepared for its largest retardation.
ImageFigure DessineFigure(const LumiereConoscopie &lumiere, const Grain &grain,
                          const Conoscope &conoscope, int cote);

// The point (x, y) of the field (units of its radius, x east, y north) of pixel (colonne, ligne).
struct PointChamp {
    double x = 0, y = 0;
};
PointChamp PointDuPixel(int colonne, int ligne, int cote);
