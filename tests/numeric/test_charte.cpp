// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the full Michel-Lévy chart.
#include "MichelLevySpectre/presentation/Charte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A plot of 690 × 405 points with labels at least 9.5 points apart.
constexpr PlaceEtiquettes Place{690, 405, 9.5};

class GeometrieParRetard : public testing::TestWithParam<double> {};

} // namespace

TEST_P(GeometrieParRetard, linesFromTheOriginPassThroughDeltaTimes30umAt30um)
{
    const double retardMax = GetParam();
    const GeometrieCharte g = GeometrieMichelLevy(retardMax, Place);
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
    ASSERT_EQ(g.ordres.size(), std::size_t(retardMax / 551));
    if (!g.ordres.empty()) {
        EXPECT_EQ(g.ordres.back(), 551.0 * double(g.ordres.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Retards, GeometrieParRetard,
                         testing::Values(3000.0, 2000.0, 551.0, 100.0, 50000.0));

TEST(TexteBirefringence, decimalCommaThreeFiguresBelow006)
{
    EXPECT_EQ(TexteBirefringence(1), "0,001");
    EXPECT_EQ(TexteBirefringence(25), "0,025");
    EXPECT_EQ(TexteBirefringence(60), "0,06");
    EXPECT_EQ(TexteBirefringence(100), "0,10");
}
