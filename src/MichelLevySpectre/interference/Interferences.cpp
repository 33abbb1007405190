// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/interference/Interferences.h"

#include "MichelLevySpectre/interference/BalayageRapide.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double plusGrand(double a, double b) { return a > b ? a : b; }

void normaliseMonochromatique(Tab_RetardCouleur &table, std::int64_t derniere,
                              const CouleurSomme &m)
{
    const double t = plusGrand(plusGrand(m.R, m.G), m.B);
    if (!(t > 0))
        return;
    for (std::int64_t i = 0; i <= derniere; ++i) {
        RetardCouleur &l = table[static_cast<std::size_t>(i)];
        l.R = l.R / t * 255;
        l.G = l.G / t * 255;
        l.B = l.B / t * 255;
    }
}

// White balance on row 0, then each channel inverted against the largest raw red sum.
void normaliseBlanche(Tab_RetardCouleur &table, std::int64_t derniere, const CouleurSomme &m)
{
    const RetardCouleur ligne0 = table[0];
    const double kG = ligne0.G != 0 ? ligne0.R / ligne0.G : 1;
    const double kB = ligne0.B != 0 ? ligne0.R / ligne0.B : 1;
    if (ligne0.R != 0)
        for (std::int64_t i = 0; i <= derniere; ++i) {
            RetardCouleur &l = table[static_cast<std::size_t>(i)];
            l.G = l.G * kG;
            l.B = l.B * kB;
        }
    if (m.R == 0)
        return;
    for (std::int64_t i = 0; i <= derniere; ++i) {
        RetardCouleur &l = table[static_cast<std::size_t>(i)];
        l.R = 255 - l.R / m.R * 255;
        l.G = 255 - l.G / m.R * 255;
        l.B = 255 - l.B / m.R * 255;
    }
}

} // namespace

CouleurSomme MaximaBruts(const Tab_RetardCouleur &table, std::int64_t derniere)
{
    CouleurSomme m;
    for (std::int64_t i = 0; i <= derniere; ++i) {
        const RetardCouleur &l = table[static_cast<std::size_t>(i)];
        m.R = plusGrand(m.R, l.R);
        m.G = plusGrand(m.G, l.G);
        m.B = plusGrand(m.B, l.B);
    }
    return m;
}

CouleurSomme CouleurRetard(std::int64_t retard, std::span<const RetardCouleur> spectre,
                           ModeLumiere mode)
{
    CouleurSomme s;
    for (const RetardCouleur &e : spectre) {
        if (e.x == 0)
            continue;
        const double w = PoidsEchantillon(retard, e.x, mode);
        s.R += e.R * w;
        s.G += e.G * w;
        s.B += e.B * w;
    }
    return s;
}

std::int32_t RetardDeLigne(std::int64_t i, std::int32_t pas_)
{
    const std::int64_t r = i * pas_;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        r, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t DerniereLigne(std::int32_t debut, std::int32_t fin, std::int32_t pas_,
                           std::size_t longueur)
{
    const std::int64_t h = static_cast<std::int64_t>(longueur) - 1;
    if (pas_ == 0)
        return h;
    const std::int64_t lignes = (std::int64_t{fin} - debut) / pas_ + 1;
    return std::min(h, lignes);
}

void NormaliseInterferences(Tab_RetardCouleur &table, std::int64_t derniere,
                            const CouleurSomme &maxima, ModeLumiere mode)
{
    if (derniere < 0)
        return;
    if (mode == ModeLumiere::Monochromatique)
        normaliseMonochromatique(table, derniere, maxima);
    else
        normaliseBlanche(table, derniere, maxima);
}

void CalculInterferences(std::int32_t debut, std::int32_t fin, std::int32_t pas_,
                         std::span<const RetardCouleur> spectre, Tab_RetardCouleur &table,
                         ModeLumiere mode)
{
    const std::int64_t derniere = DerniereLigne(debut, fin, pas_, table.size());
    SommesBalayage(pas_, derniere, spectre, table, mode);
    NormaliseInterferences(table, derniere, MaximaBruts(table, derniere), mode);
}
