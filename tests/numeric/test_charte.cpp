// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the full Michel-Lévy chart.
#include "MichelLevySpectre/charte/GeometrieCharte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A plot of 690 × 405 points with labels at least 9.5 points apart.
constexpr PlaceEtiquettes Place{690, 405, 9.5};

struct CasCharte {
    const char *nom;
    double retardMax;
    double intervalle; // of the order marks: 551 nm in white light, λ in monochromatic light
};

void PrintTo(const CasCharte &c, std::ostream *os) { *os << c.nom; }

class GeometrieParRetard : public testing::TestWithParam<CasCharte> {};

} // namespace

TEST_P(GeometrieParRetard, linesFromTheOriginPassThroughDeltaTimes30umAt30um)
{
    const double retardMax = GetParam().retardMax, intervalle = GetParam().intervalle;
    const GeometrieCharte g = GeometrieMichelLevy(retardMax, Place, intervalle);
    const std::vector<int> usuels{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 14, 16,
                                  18, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100};
    ASSERT_GE(g.lignes.size(), usuels.size());
    double hautPrecedent = -1e9, droitePrecedente = -1e9;
    for (std::size_t i = 0; i < g.lignes.size(); ++i) {
        const LigneBirefringence &l = g.lignes[i];
        const int attendu = i < usuels.size() ? usuels[i] : 100 + 10 * int(i + 1 - usuels.size());
        EXPECT_EQ(l.milliemes, attendu) << i;
        // Δ = δ × t: at 30 µm the line is at δ × 30,000 nm.
        EXPECT_NEAR(l.retard / l.epaisseur * EpaisseurLameMince, l.milliemes * 30.0, 1e-9)
            << l.milliemes;
        // It ends on the top or the right edge.
        EXPECT_TRUE((l.epaisseur == EpaisseurMaxCharte && l.retard <= retardMax) ||
                    (l.retard == retardMax && l.epaisseur <= EpaisseurMaxCharte))
            << l.milliemes;
        if (!l.etiquetee)
            continue;
        double &precedente = l.bordHaut ? hautPrecedent : droitePrecedente;
        const double position = l.bordHaut ? l.retard / retardMax * Place.largeur
                                           : (1 - l.epaisseur / EpaisseurMaxCharte) * Place.hauteur;
        EXPECT_GE(position - precedente, Place.ecart) << l.milliemes; // labels never overlap
        precedente = position;
    }
    // Beyond 0.10 a line is kept only with its label.
    for (std::size_t i = usuels.size(); i < g.lignes.size(); ++i)
        EXPECT_TRUE(g.lignes[i].etiquetee);
    // A mark at every multiple of the interval while they stay readable, else at every
    // 1, 2 or 5 × 10^k-th one, never closer than half a label's distance.
    const double pas = double(g.pasOrdres) * intervalle;
    ASSERT_EQ(g.ordres.size(), std::size_t(retardMax / pas));
    for (std::size_t n = 0; n < g.ordres.size(); ++n)
        ASSERT_EQ(g.ordres[n], pas * double(n + 1)) << n;
    EXPECT_GE(pas / retardMax * Place.largeur, Place.ecart / 2);
    if (g.pasOrdres > 1) {
        EXPECT_LT(pas / retardMax * Place.largeur, Place.ecart * 5 / 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Retards, GeometrieParRetard,
    testing::Values(CasCharte{"white3000", 3000, 551}, CasCharte{"white2000", 2000, 551},
                    CasCharte{"white551", 551, 551}, CasCharte{"white100", 100, 551},
                    CasCharte{"white50000", 50000, 551}, CasCharte{"white1000000", 1e6, 551},
                    CasCharte{"whiteLargestTable", 2147483647, 551},
                    CasCharte{"fringesOf633nm3000", 3000, 633},
                    CasCharte{"fringesOf400nm200000000", 2e8, 400}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(TexteBirefringence, decimalCommaThreeFiguresBelow006)
{
    EXPECT_EQ(TexteBirefringence(1), "0,001");
    EXPECT_EQ(TexteBirefringence(25), "0,025");
    EXPECT_EQ(TexteBirefringence(60), "0,06");
    EXPECT_EQ(TexteBirefringence(100), "0,10");
}
