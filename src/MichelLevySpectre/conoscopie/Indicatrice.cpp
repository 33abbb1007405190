// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/conoscopie/Indicatrice.h"

#include "MichelLevySpectre/Arithmetique.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double radians = std::numbers::pi / 180;

// Rotation by a about y: z goes towards x.
Matrice3 autourDeY(double a)
{
    const double c = std::cos(a), s = std::sin(a);
    return {{{c, 0, s}, {0, 1, 0}, {-s, 0, c}}};
}

// Rotation by a about z, anticlockwise seen from above: x goes towards y.
Matrice3 autourDeZ(double a)
{
    const double c = std::cos(a), s = std::sin(a);
    return {{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
}

// The optic normal Y brought up, X staying E–W: Z then lies along −y.
constexpr Matrice3 normaleVerticale{{{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}};

// The section at stage 0. The optic axes are X sin V + Z cos V and −X sin V + Z cos V; turning
// by −V about y brings the first one up, by −90° brings X up.
Matrice3 section(const IndicesPrincipaux &n, const OrientationGrain &o)
{
    const double v = AngleVz(n) * radians;
    const bool zAigue = SignePositif(n);
    switch (o.section) {
    case SectionGrain::AxeOptique:
        return autourDeY(-v);
    case SectionGrain::Inclinee:
        return autourDeY(o.inclinaison * radians - v);
    case SectionGrain::BissectriceAigue:
        return autourDeY(zAigue ? 0 : -std::numbers::pi / 2);
    case SectionGrain::BissectriceObtuse:
        return autourDeY(zAigue ? -std::numbers::pi / 2 : 0);
    case SectionGrain::NormaleOptique:
        break;
    }
    return normaleVerticale;
}

Matrice3 transposee(const Matrice3 &m)
{
    Matrice3 t{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t[i][j] = m[j][i];
    return t;
}

} // namespace

IndicesPrincipaux IndicesUniaxe(double omega, double epsilon)
{
    return epsilon >= omega ? IndicesPrincipaux{omega, omega, epsilon}
                            : IndicesPrincipaux{epsilon, omega, omega};
}

std::optional<IndicesPrincipaux> IndicesDesValeurs(std::span<const double> v)
{
    if (!std::all_of(v.begin(), v.end(), [](double n) { return IndiceMin <= n && n <= IndiceMax; }))
        return std::nullopt;
    if (v.size() == 2)
        return IndicesUniaxe(v[0], v[1]);
    if (v.size() == 3 && v[0] <= v[1] && v[1] <= v[2])
        return IndicesPrincipaux{v[0], v[1], v[2]};
    return std::nullopt;
}

std::optional<std::vector<double>> LitValeursIndices(std::string_view texte)
{
    const char separateur = texte.find(';') != std::string_view::npos ? ';' : ',';
    std::vector<double> valeurs;
    for (std::size_t debut = 0;;) {
        const std::size_t fin = texte.find(separateur, debut);
        const std::optional<double> v = LitDecimal(texte.substr(debut, fin - debut));
        if (!v)
            return std::nullopt;
        valeurs.push_back(*v);
        if (fin == std::string_view::npos)
            return valeurs;
        debut = fin + 1;
    }
}

std::optional<IndicesPrincipaux> IndicesDuMineral(const Mineral &m)
{
    std::vector<double> v;
    for (const Intervalle &i : m.indices)
        v.push_back((i.min + i.max) / 2);
    if (v.size() == 1) // isotropic: one index every way
        v.assign(3, v[0]);
    if (v.size() == 3 && m.deuxV && m.signe != 0) {
        const double demi = (m.deuxV->min + m.deuxV->max) / 4;
        const double vz = (m.signe > 0 ? demi : 90 - demi) * radians;
        const double a2 = v[0] * v[0], g2 = v[2] * v[2], c = std::pow(std::cos(vz), 2);
        v[1] = std::sqrt(a2 * g2 / (a2 + c * (g2 - a2)));
    }
    return IndicesDesValeurs(v);
}

double IndiceMoyen(const IndicesPrincipaux &n) { return (n.alpha + n.beta + n.gamma) / 3; }

double AngleVz(const IndicesPrincipaux &n)
{
    const double a2 = n.alpha * n.alpha, b2 = n.beta * n.beta, g2 = n.gamma * n.gamma;
    if (!(g2 > a2)) // isotropic: no optic axis to place
        return 0;
    const double cos2 = std::clamp(a2 * (g2 - b2) / (b2 * (g2 - a2)), 0.0, 1.0);
    return std::acos(std::sqrt(cos2)) / radians;
}

bool SignePositif(const IndicesPrincipaux &n) { return AngleVz(n) < 45; }

double Angle2V(const IndicesPrincipaux &n)
{
    const double vz = AngleVz(n);
    return 2 * std::min(vz, 90 - vz);
}

Matrice3 AxesIndicatrice(const IndicesPrincipaux &n, const OrientationGrain &o)
{
    return Produit(autourDeZ(o.platine * radians), section(n, o));
}

Matrice3 FormeIndicatrice(const IndicesPrincipaux &n, const OrientationGrain &o)
{
    const Matrice3 r = AxesIndicatrice(n, o);
    const Matrice3 d{{{1 / (n.alpha * n.alpha), 0, 0},
                      {0, 1 / (n.beta * n.beta), 0},
                      {0, 0, 1 / (n.gamma * n.gamma)}}};
    return Produit(r, Produit(d, transposee(r)));
}
