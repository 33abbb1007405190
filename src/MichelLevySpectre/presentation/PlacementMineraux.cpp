// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/presentation/PlacementMineraux.h"

#include <algorithm>
#include <optional>

namespace {

constexpr double BarreMin = 1.5; // page units: a single δ still shows as a short bar
constexpr double Marge = 2.0;    // between a bar and its name

struct Intervalle {
    double debut;
    double fin;
};

// Where the line of that δ meets each edge, along the edge; the top edge from the left, the
// right edge from the bottom.
// Δ (nm) = δ × thickness (µm) × 1000.
double retardAuHaut(double delta, const ZoneNoms &z) { return delta * z.epaisseurMax * 1000; }

double surHaut(double delta, const ZoneNoms &z)
{
    return retardAuHaut(delta, z) / z.retardMax * z.largeur;
}

double surDroite(double delta, const ZoneNoms &z)
{
    return delta > 0 ? z.retardMax / retardAuHaut(delta, z) * z.hauteur : z.hauteur;
}

// The bar and the name after it, or before it when the edge ends first.
std::optional<NomPlace> surBord(const NomAPlacer &n, const ZoneNoms &z, bool haut)
{
    const double longueur = haut ? z.largeur : z.hauteur;
    const double libre = longueur - z.voies * z.voie; // the corner is left free
    double a = haut ? surHaut(n.deltaMin, z) : surDroite(n.deltaMax, z);
    double b = haut ? surHaut(n.deltaMax, z) : surDroite(n.deltaMin, z);
    a = std::clamp(a, 0.0, longueur);
    b = std::clamp(b, a, longueur);
    if (b - a < BarreMin) {
        const double milieu = (a + b) / 2;
        a = std::max(0.0, milieu - BarreMin / 2);
        b = std::min(longueur, a + BarreMin);
    }
    NomPlace p;
    p.bordHaut = haut;
    p.barreDebut = a;
    p.barreFin = b;
    p.texteDebut = b + Marge;
    if (p.texteDebut + n.longueurTexte > libre)
        p.texteDebut = a - Marge - n.longueurTexte;
    p.texteFin = p.texteDebut + n.longueurTexte;
    if (p.texteDebut < 0 || p.texteFin > libre)
        return std::nullopt;
    return p;
}

Intervalle occupe(const NomPlace &p, double ecart)
{
    return {std::min(p.barreDebut, p.texteDebut) - ecart / 2,
            std::max(p.barreFin, p.texteFin) + ecart / 2};
}

bool chevauche(const Intervalle &x, const Intervalle &y)
{
    return x.debut < y.fin && y.debut < x.fin;
}

} // namespace

std::vector<NomPlace> PlaceNomsMineraux(std::span<const NomAPlacer> noms, const ZoneNoms &zone)
{
    std::vector<NomPlace> places;
    if (!(zone.retardMax > 0 && zone.epaisseurMax > 0 && zone.voie > 0))
        return places;
    for (std::size_t i = 0; i < noms.size(); ++i) {
        const NomAPlacer &n = noms[i];
        const bool haut = retardAuHaut((n.deltaMin + n.deltaMax) / 2, zone) <= zone.retardMax;
        std::optional<NomPlace> p = surBord(n, zone, haut);
        if (!p)
            continue;
        p->indice = i;
        const Intervalle ici = occupe(*p, zone.ecart);
        for (int v = 0; v < zone.voies; ++v) {
            const bool libre = std::none_of(places.begin(), places.end(), [&](const NomPlace &q) {
                return q.bordHaut == haut && q.voie == v && chevauche(occupe(q, zone.ecart), ici);
            });
            if (libre) {
                p->voie = v;
                places.push_back(*p);
                break;
            }
        }
    }
    return places;
}
