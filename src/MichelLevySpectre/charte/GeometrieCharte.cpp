// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/charte/GeometrieCharte.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// The usual values, in thousandths.
std::vector<int> milliemesUsuels()
{
    std::vector<int> m;
    for (int k = 1; k <= 10; ++k)
        m.push_back(k);
    for (int k = 12; k <= 20; k += 2)
        m.push_back(k);
    for (int k = 25; k <= 50; k += 5)
        m.push_back(k);
    for (int k = 60; k <= 100; k += 10)
        m.push_back(k);
    return m;
}

LigneBirefringence ligne(int milliemes, double retardMax)
{
    const double delta = milliemes / 1000.0;
    const double enHaut = delta * EpaisseurMaxCharte * 1000.0; // Δ at the top edge, nm
    if (enHaut <= retardMax)
        return {milliemes, enHaut, EpaisseurMaxCharte, true, false};
    return {milliemes, retardMax, retardMax / (delta * 1000.0), false, false};
}

// Labels along one edge, placed from one end; each keeps its distance from the last one
// placed and stays between the given limits.
class Bord {
public:
    Bord(double premier, double dernier, double ecart)
        : premier_(premier), dernier_(dernier), ecart_(ecart)
    {
    }
    bool place(double position)
    {
        if (position < premier_ || position > dernier_ || position - precedent_ < ecart_)
            return false;
        precedent_ = position;
        return true;
    }

private:
    double premier_;
    double dernier_;
    double ecart_;
    double precedent_ = -1e300;
};

} // namespace

std::int64_t PasReperes(double largeurIntervalle, double ecart)
{
    if (!(largeurIntervalle > 0))
        return std::numeric_limits<std::int64_t>::max();
    for (std::int64_t puissance = 1; puissance < std::int64_t(1) << 60; puissance *= 10)
        for (const std::int64_t f : {1, 2, 5})
            if (double(f * puissance) * largeurIntervalle >= ecart)
                return f * puissance;
    return std::numeric_limits<std::int64_t>::max();
}

GeometrieCharte GeometrieMichelLevy(double retardMax, const PlaceEtiquettes &place,
                                    double intervalleOrdres)
{
    GeometrieCharte g;
    g.retardMax = retardMax;
    if (!(retardMax > 0))
        return g;
    // Along the top edge up to the corner; along the right edge from the top corner down,
    // clear of both corners' texts.
    Bord haut(0, place.largeur, place.ecart);
    Bord droite(place.ecart, place.hauteur - place.ecart / 2, place.ecart);
    const auto etiquette = [&](LigneBirefringence &l) {
        return l.bordHaut ? haut.place(l.retard / retardMax * place.largeur)
                          : droite.place((1 - l.epaisseur / EpaisseurMaxCharte) * place.hauteur);
    };
    for (const int m : milliemesUsuels()) {
        LigneBirefringence l = ligne(m, retardMax);
        l.etiquetee = etiquette(l);
        g.lignes.push_back(l);
    }
    for (int m = 110; m <= 1000; m += 10) {
        LigneBirefringence l = ligne(m, retardMax);
        if (!(l.etiquetee = etiquette(l)))
            break;
        g.lignes.push_back(l);
    }
    if (!(intervalleOrdres > 0))
        return g;
    const std::int64_t pas =
        PasReperes(intervalleOrdres / retardMax * place.largeur, place.ecart / 2);
    g.pasOrdres = int(std::min<std::int64_t>(pas, std::numeric_limits<int>::max()));
    // Counted in whole marks, so that no sum drifts.
    for (std::int64_t n = pas; double(n) * intervalleOrdres <= retardMax; n += pas)
        g.ordres.push_back(double(n) * intervalleOrdres);
    return g;
}

std::string NomFrange(std::int64_t n)
{
    return std::to_string(n) + (n == 1 ? "re frange" : "e frange");
}

std::string TexteBirefringence(int milliemes)
{
    char texte[16];
    if (milliemes < 60)
        std::snprintf(texte, sizeof texte, "0,%03d", milliemes);
    else
        std::snprintf(texte, sizeof texte, "%d,%02d", milliemes / 1000, milliemes % 1000 / 10);
    return texte;
}

double PasGraduation(double etendue, int intervalles)
{
    if (!(etendue > 0) || intervalles < 1)
        return 1;
    const double brut = etendue / intervalles;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    for (const double f : {1.0, 2.0, 5.0, 10.0})
        if (f * puissance >= brut * (1 - 1e-9))
            return f * puissance;
    return 10 * puissance;
}

std::vector<std::uint32_t> ColonnesCharte(std::span<const RetardCouleur> table,
                                          std::span<const std::uint32_t> couleurs, int largeur,
                                          double retardMax)
{
    std::vector<std::uint32_t> colonnes(std::size_t(std::max(0, largeur)));
    if (table.empty() || couleurs.size() < table.size())
        return colonnes;
    for (std::size_t c = 0; c < colonnes.size(); ++c) {
        const double r = (double(c) + 0.5) / largeur * retardMax;
        const auto apres =
            std::lower_bound(table.begin(), table.end(), r,
                             [](const RetardCouleur &l, double v) { return double(l.x) < v; });
        auto proche = apres == table.end() ? apres - 1 : apres;
        if (apres != table.begin() && apres != table.end() &&
            r - double((apres - 1)->x) <= double(apres->x) - r)
            proche = apres - 1;
        colonnes[c] = couleurs[std::size_t(proche - table.begin())];
    }
    return colonnes;
}
