// SPDX-License-Identifier: GPL-3.0-or-later
#include "aides_tests.h"

#include "MichelLevySpectre/spectra/ArcEnCiel.h"

#include <gtest/gtest.h>

namespace {

struct LigneAttendue {
    int i;
    double R, G, B;
};

// Rows on both sides of every range boundary, and inside each range.
const LigneAttendue lignesAttendues[] = {
    {0, 1, 0, 1},
    {20, 0.5, 0, 1},
    {39, 0.025, 0, 1},
    {40, 0, 0, 1},
    {65, 0, 0.5, 1},
    {89, 0, 0.98, 1},
    {90, 0, 1, 1},
    {100, 0, 1, 0.5},
    {109, 0, 1, 0.05},
    {110, 0, 1, 0},
    {145, 0.5, 1, 0},
    {179, 69.0 / 70, 1, 0},
    {180, 1, 1, 0},
    {212, 1, 1 - 32.0 / 65, 0},
    {244, 1, 1 - 64.0 / 65, 0},
    {245, 1, 0, 0},
    {300, 1 - 55.0 / 310, 0, 0},
    {400, 0.5, 0, 0},
};

} // namespace

TEST(ArcEnCiel, sampleRows_followThePiecewiseModel)
{
    const Tab_RetardCouleur t = ArcEnCielCalcule();
    for (const LigneAttendue &a : lignesAttendues) {
        SCOPED_TRACE(a.i);
        ExpectLigne(t[a.i], 400 + a.i, a.R, a.G, a.B, 1e-12);
    }
}

TEST(ArcEnCiel, everyRow_hasItsWavelengthAndWeightsWithinZeroAndOne)
{
    const Tab_RetardCouleur t = ArcEnCielCalcule();
    for (int i = 0; i <= 400; ++i) {
        EXPECT_EQ(t[i].x, 400 + i);
        for (double v : {t[i].R, t[i].G, t[i].B}) {
            EXPECT_GE(v, 0.0) << "i = " << i;
            EXPECT_LE(v, 1.0) << "i = " << i;
        }
    }
}

TEST(ArcEnCiel, channelTotals_are237And147Point5And100Point5)
{
    double r = 0, g = 0, b = 0;
    for (const RetardCouleur &e : ArcEnCielCalcule()) {
        r += e.R;
        g += e.G;
        b += e.B;
    }
    // Summing in row order leaves one rounding step on the red total.
    EXPECT_NEAR(r, 237.0, 1e-9);
    EXPECT_NEAR(g, 147.5, 1e-9);
    EXPECT_NEAR(b, 100.5, 1e-9);
}

TEST(ArcEnCiel, longerTable_keepsRowsBeyond400)
{
    Tab_RetardCouleur t(405, Temoin());
    CalculArcEnCiel(t);
    ASSERT_EQ(t.size(), 405u);
    ExpectLigne(t[400], 800, 0.5, 0, 0, 1e-12);
    for (std::size_t i = 401; i < t.size(); ++i)
        ExpectMemeLigne(t[i], Temoin());
}

TEST(ArcEnCiel, shorterTable_getsOnlyTheRowsItHas)
{
    Tab_RetardCouleur t(21);
    CalculArcEnCiel(t);
    ASSERT_EQ(t.size(), 21u);
    ExpectLigne(t[20], 420, 0.5, 0, 1, 1e-12);
}
