// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the full chart names its minerals, as printed charts do: inside the plot along the top
// and right edges, each name beside a bar that spans where the mineral's birefringence lines
// meet that edge. No Qt here.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

struct NomAPlacer {
    double deltaMin = 0;
    double deltaMax = 0;
    double longueurTexte = 0; // page units
};

// The plot in page units and the chart's extent.
struct ZoneNoms {
    double largeur = 0;
    double hauteur = 0;
    double retardMax = 0;    // nm across
    double epaisseurMax = 0; // µm up
    double voie = 0;         // thickness of one row of names
    int voies = 0;           // rows of names along an edge
    double ecart = 0;        // smallest gap between two names of a row
};

struct NomPlace {
    std::size_t indice = 0; // in the names given
    bool bordHaut = true;   // else the right edge
    int voie = 0;           // 0 along the edge, then inwards
    // Along the edge: from the left on the top edge, from the bottom on the right edge.
    double barreDebut = 0;
    double barreFin = 0;
    double texteDebut = 0;
    double texteFin = 0;
    // The thin line under the bar and the name that ties them: it reaches no other name.
    double filetDebut = 0;
    double filetFin = 0;
};

// Each name on the edge where its mean δ leaves the chart, in the first row where it overlaps
// no other name, after its bar or else before it; names are taken in the order given and one
// that finds no room is left out. The corner where the edges meet is left to neither edge's
// names.
std::vector<NomPlace> PlaceNomsMineraux(std::span<const NomAPlacer> noms, const ZoneNoms &zone);
