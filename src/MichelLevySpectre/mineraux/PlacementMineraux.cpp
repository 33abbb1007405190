// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/mineraux/PlacementMineraux.h"

#include <algorithm>
#include <optional>
#include <vector>

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

// The bar, and its name after it or before it: whichever stays clear of the corner, after first.
std::vector<NomPlace> surBord(const NomAPlacer &n, const ZoneNoms &z, bool haut)
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
    std::vector<NomPlace> choix;
    for (const double debut : {b + Marge, a - Marge - n.longueurTexte}) {
        NomPlace p;
        p.bordHaut = haut;
        p.barreDebut = a;
        p.barreFin = b;
        p.texteDebut = debut;
        p.texteFin = debut + n.longueurTexte;
        if (p.texteDebut >= 0 && p.texteFin <= libre)
            choix.push_back(p);
    }
    return choix;
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

// The first row, nearest the edge, where one of the choices overlaps no name of that row.
std::optional<NomPlace> premiereLibre(const std::vector<NomPlace> &choix,
                                      const std::vector<NomPlace> &places, const ZoneNoms &z)
{
    for (int v = 0; v < z.voies; ++v)
        for (NomPlace p : choix) {
            p.voie = v;
            const Intervalle ici = occupe(p, z.ecart);
            if (std::none_of(places.begin(), places.end(), [&](const NomPlace &q) {
                    return q.bordHaut == p.bordHaut && q.voie == v &&
                           chevauche(occupe(q, z.ecart), ici);
                }))
                return p;
        }
    return std::nullopt;
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
        const std::optional<NomPlace> p = premiereLibre(surBord(n, zone, haut), places, zone);
        if (p) {
            places.push_back(*p);
            places.back().indice = i;
            places.back().filetDebut = std::min(p->barreDebut, p->texteDebut);
            places.back().filetFin = std::max(p->barreFin, p->texteFin);
        }
    }
    return places;
}
