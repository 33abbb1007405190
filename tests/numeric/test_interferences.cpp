// SPDX-License-Identifier: GPL-3.0-or-later
#include "aides_tests.h"

#include "MichelLevySpectre/interference/Interferences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr auto Blanche = ModeLumiere::Blanche;
constexpr auto Mono = ModeLumiere::Monochromatique;

const Tab_RetardCouleur unEchantillon{{500, 1.0, 0.5, 0.25}};

Tab_RetardCouleur balayage(std::int32_t fin, std::int32_t pas_, const Tab_RetardCouleur &spectre,
                           ModeLumiere mode, std::size_t lignes)
{
    Tab_RetardCouleur t(lignes, Temoin());
    CalculInterferences(0, fin, pas_, spectre, t, mode);
    return t;
}

Tab_RetardCouleur balayage(std::int32_t fin, std::int32_t pas_, const Tab_RetardCouleur &spectre,
                           ModeLumiere mode)
{
    return balayage(fin, pas_, spectre, mode, static_cast<std::size_t>(fin / pas_ + 1));
}

void expectMemesCouleurs(const Tab_RetardCouleur &a, const Tab_RetardCouleur &b, double tol)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i].R, b[i].R, tol) << "row " << i;
        EXPECT_NEAR(a[i].G, b[i].G, tol) << "row " << i;
        EXPECT_NEAR(a[i].B, b[i].B, tol) << "row " << i;
    }
}

} // namespace

TEST(CouleurRetard, retardationZero_givesTotalsInWhiteAndNothingInMonochromatic)
{
    const Tab_RetardCouleur arc = ArcEnCielCalcule();
    const CouleurSomme blanc = CouleurRetard(0, arc, Blanche);
    EXPECT_NEAR(blanc.R, 237.0, 1e-9);
    EXPECT_NEAR(blanc.G, 147.5, 1e-9);
    EXPECT_NEAR(blanc.B, 100.5, 1e-9);
    const CouleurSomme mono = CouleurRetard(0, arc, Mono);
    EXPECT_EQ(mono.R, 0.0);
    EXPECT_EQ(mono.G, 0.0);
    EXPECT_EQ(mono.B, 0.0);
}

TEST(CouleurRetard, weightsAreComplementaryBetweenTheTwoModes)
{
    for (std::int64_t retard : {125, 333, 1000, 4321}) {
        const CouleurSomme b = CouleurRetard(retard, unEchantillon, Blanche);
        const CouleurSomme m = CouleurRetard(retard, unEchantillon, Mono);
        EXPECT_NEAR(b.R + m.R, 1.0, 1e-12) << retard;
        EXPECT_NEAR(b.G + m.G, 0.5, 1e-12) << retard;
        EXPECT_NEAR(b.B + m.B, 0.25, 1e-12) << retard;
    }
}

TEST(CouleurRetard, emptySpectrum_givesZero)
{
    const CouleurSomme s = CouleurRetard(550, {}, Blanche);
    EXPECT_EQ(s.R, 0.0);
    EXPECT_EQ(s.G, 0.0);
    EXPECT_EQ(s.B, 0.0);
}

TEST(Sweep, singleSampleWhite_isBalancedAndInverted)
{
    const Tab_RetardCouleur t = balayage(1000, 125, unEchantillon, Blanche);
    const double attendu[] = {0, 127.5, 255, 127.5, 0, 127.5, 255, 127.5, 0};
    ASSERT_EQ(t.size(), 9u);
    for (int i = 0; i < 9; ++i)
        ExpectLigne(t[i], 125 * i, attendu[i], attendu[i], attendu[i], 1e-9);
}

TEST(Sweep, singleSampleMonochromatic_isScaledByTheCommonMaximum)
{
    const Tab_RetardCouleur t = balayage(1000, 125, unEchantillon, Mono);
    const double rouge[] = {0, 127.5, 255, 127.5, 0, 127.5, 255, 127.5, 0};
    ASSERT_EQ(t.size(), 9u);
    for (int i = 0; i < 9; ++i)
        ExpectLigne(t[i], 125 * i, rouge[i], rouge[i] / 2, rouge[i] / 4, 1e-9);
    EXPECT_EQ(t[2].R, 255.0);
    ExpectLigne(t[0], 0, 0, 0, 0, 0.0);
}

TEST(Sweep, rainbowWhite_matchesTheChart)
{
    const Tab_RetardCouleur t = balayage(2000, 10, ArcEnCielCalcule(), Blanche);
    ASSERT_EQ(t.size(), 201u);
    ExpectLigne(t[0], 0, 0, 0, 0, 1e-9);
    struct {
        int retard;
        double R, G, B;
    } const attendus[] = {{100, 61.1, 78.4, 106.2},
                          {250, 220.2, 248.4, 243.5},
                          {550, 78.0, 19.9, 111.5},
                          {1000, 198.4, 80.3, 116.7},
                          {2000, 125.4, 138.4, 125.9}};
    for (const auto &a : attendus)
        ExpectLigne(t[a.retard / 10], a.retard, a.R, a.G, a.B, 0.05);
    for (const RetardCouleur &l : t)
        for (double v : {l.R, l.G, l.B}) {
            EXPECT_GE(v, -1e-9) << "x = " << l.x;
            EXPECT_LE(v, 255 + 1e-9) << "x = " << l.x;
        }
}

TEST(Sweep, rainbowMonochromatic_isScaledByTheRedMaximum)
{
    const Tab_RetardCouleur arc = ArcEnCielCalcule();
    CouleurSomme m;
    for (std::int64_t r = 0; r <= 2000; r += 10) {
        const CouleurSomme s = CouleurRetard(r, arc, Mono);
        m.R = std::max(m.R, s.R);
        m.G = std::max(m.G, s.G);
        m.B = std::max(m.B, s.B);
    }
    EXPECT_NEAR(m.R, 219.86, 0.005);
    EXPECT_NEAR(m.G, 144.81, 0.005);
    EXPECT_NEAR(m.B, 99.41, 0.005);

    const Tab_RetardCouleur t = balayage(2000, 10, arc, Mono);
    ExpectLigne(t[0], 0, 0, 0, 0, 0.0);
    ExpectLigne(t[30], 300, 255.0, 161.5, 85.4, 0.05);
    const CouleurSomme s300 = CouleurRetard(300, arc, Mono);
    EXPECT_NEAR(t[30].G, s300.G / m.R * 255, 1e-9) << "green is scaled by the red maximum";
    double plusGrand = 0;
    for (const RetardCouleur &l : t)
        plusGrand = std::max({plusGrand, l.R, l.G, l.B});
    EXPECT_EQ(plusGrand, 255.0);
}

TEST(Sweep, emptySpectrum_leavesRowsBlack)
{
    for (ModeLumiere mode : {Blanche, Mono}) {
        const Tab_RetardCouleur t = balayage(100, 10, {}, mode);
        ASSERT_EQ(t.size(), 11u);
        for (int i = 0; i < 11; ++i)
            ExpectLigne(t[i], 10 * i, 0, 0, 0, 0.0);
    }
}

TEST(Sweep, whiteWithoutRed_keepsRawGreenAndBlueSums)
{
    const Tab_RetardCouleur spectre{{500, 0.0, 0.5, 0.25}};
    const Tab_RetardCouleur t = balayage(1000, 125, spectre, Blanche);
    for (int i = 0; i < 9; ++i) {
        const double w = (std::cos(125 * i * 6.283185307179586 / 500) + 1) * 0.5;
        ExpectLigne(t[i], 125 * i, 0, 0.5 * w, 0.25 * w, 1e-12);
    }
}

TEST(Sweep, whiteWithoutGreen_leavesGreenUnbalancedAtFull)
{
    const Tab_RetardCouleur spectre{{500, 1.0, 0.0, 0.25}};
    const Tab_RetardCouleur t = balayage(1000, 125, spectre, Blanche);
    const double attendu[] = {0, 127.5, 255, 127.5, 0, 127.5, 255, 127.5, 0};
    for (int i = 0; i < 9; ++i)
        ExpectLigne(t[i], 125 * i, attendu[i], 255, attendu[i], 1e-9);
}

TEST(Sweep, sampleWithXZero_addsNothingAndGivesNoNaN)
{
    const Tab_RetardCouleur avecVide{{0, 0, 0, 0}, {500, 1.0, 0.5, 0.25}, {0, 0, 0, 0}};
    for (ModeLumiere mode : {Blanche, Mono}) {
        const CouleurSomme s = CouleurRetard(250, avecVide, mode);
        const CouleurSomme attendu = CouleurRetard(250, unEchantillon, mode);
        EXPECT_EQ(s.R, attendu.R);
        EXPECT_EQ(s.G, attendu.G);
        EXPECT_EQ(s.B, attendu.B);
        expectMemesCouleurs(balayage(1000, 125, avecVide, mode),
                            balayage(1000, 125, unEchantillon, mode), 0.0);
    }
}

TEST(Sweep, unfilledSpectrum_givesBlackRowsWithoutNaN)
{
    const Tab_RetardCouleur vide(EchantillonsSpectre);
    for (ModeLumiere mode : {Blanche, Mono}) {
        const Tab_RetardCouleur t = balayage(2000, 10, vide, mode);
        for (int i = 0; i <= 200; ++i)
            ExpectLigne(t[i], 10 * i, 0, 0, 0, 0.0);
    }
}

TEST(Sweep, emptyTable_staysEmpty)
{
    for (ModeLumiere mode : {Blanche, Mono}) {
        Tab_RetardCouleur t;
        CalculInterferences(0, 1000, 10, unEchantillon, t, mode);
        EXPECT_TRUE(t.empty());
        CalculInterferences(0, -10, 10, unEchantillon, t, mode);
        EXPECT_TRUE(t.empty());
    }
}

TEST(Sweep, tableShorterThanTheSweep_isFilledWithoutGrowing)
{
    const Tab_RetardCouleur complet = balayage(1000, 125, unEchantillon, Blanche);
    const Tab_RetardCouleur court = balayage(1000, 125, unEchantillon, Blanche, 4);
    ASSERT_EQ(court.size(), 4u);
    for (int i = 0; i < 4; ++i)
        ExpectMemeLigne(court[i], complet[i]);
}

TEST(Sweep, rowsBeyondTheSweep_areNotTouched)
{
    // (1000 - 500) div 125 + 1 = 5: rows 0..5; the start does not shift the retardations.
    const Tab_RetardCouleur t = balayage(1000, 125, unEchantillon, Blanche, 12);
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(t[i].x, 125 * i);
    Tab_RetardCouleur decale(9, Temoin());
    CalculInterferences(500, 1000, 125, unEchantillon, decale, Blanche);
    for (int i = 0; i <= 5; ++i)
        ExpectLigne(decale[i], 125 * i, t[i].R, t[i].G, t[i].B, 0.0);
    for (int i = 6; i < 9; ++i)
        ExpectMemeLigne(decale[i], Temoin());
    for (int i = 10; i < 12; ++i)
        ExpectMemeLigne(t[i], Temoin());
    EXPECT_EQ(DerniereLigne(0, 1000, 125, 12), 9);
}

TEST(Sweep, negativeMaximumAndStep_giveTheSameColours)
{
    const Tab_RetardCouleur arc = ArcEnCielCalcule();
    for (ModeLumiere mode : {Blanche, Mono}) {
        const Tab_RetardCouleur positif = balayage(2000, 10, arc, mode);
        const Tab_RetardCouleur negatif = balayage(-2000, -10, arc, mode);
        ASSERT_EQ(negatif.size(), 201u);
        for (int i = 0; i <= 200; ++i)
            EXPECT_EQ(negatif[i].x, -10 * i);
        expectMemesCouleurs(negatif, positif, 1e-9);
    }
}

TEST(Sweep, extremeParameters_fillTheSmallTableWithoutOverflow)
{
    constexpr std::int32_t maxi = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t mini = std::numeric_limits<std::int32_t>::min();
    const Tab_RetardCouleur arc = ArcEnCielCalcule();
    const Tab_RetardCouleur reference = balayage(4, 1, arc, Blanche, 5);

    Tab_RetardCouleur haut(5, Temoin());
    CalculInterferences(0, maxi, 1, arc, haut, Blanche);
    Tab_RetardCouleur bas(5, Temoin());
    CalculInterferences(0, mini, -1, arc, bas, Blanche);
    Tab_RetardCouleur large(5, Temoin());
    CalculInterferences(mini, maxi, 1, arc, large, Blanche);
    for (int i = 0; i < 5; ++i) {
        ExpectMemeLigne(haut[i], reference[i]);
        ExpectMemeLigne(large[i], reference[i]);
        ExpectLigne(bas[i], -i, reference[i].R, reference[i].G, reference[i].B, 1e-9);
    }
    EXPECT_EQ(DerniereLigne(0, maxi, 1, 5), 4);
    EXPECT_EQ(DerniereLigne(0, mini, -1, 5), 4);
    EXPECT_EQ(DerniereLigne(0, mini, -1, std::size_t{3000000000u}), 2147483649);
    EXPECT_EQ(DerniereLigne(mini, maxi, 1, std::size_t{5000000000u}), 4294967296);
}

TEST(Sweep, stepZero_givesEveryRowRetardationZero)
{
    for (ModeLumiere mode : {Blanche, Mono}) {
        const Tab_RetardCouleur t = balayage(1000, 0, unEchantillon, mode, 4);
        ASSERT_EQ(t.size(), 4u);
        for (const RetardCouleur &l : t)
            ExpectLigne(l, 0, 0, 0, 0, 1e-12);
    }
}
