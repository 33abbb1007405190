// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the numeric tests.
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/spectra/ArcEnCiel.h"

#include <gtest/gtest.h>

#include <cstdint>

// A row that no operation writes: any change to it shows a stray write.
inline RetardCouleur Temoin() { return RetardCouleur{-7, 9.0, 9.0, 9.0}; }

inline Tab_RetardCouleur ArcEnCielCalcule()
{
    Tab_RetardCouleur t(EchantillonsSpectre);
    CalculArcEnCiel(t);
    return t;
}

inline void ExpectLigne(const RetardCouleur &l, std::int32_t x, double r, double g, double b,
                        double tolerance)
{
    EXPECT_EQ(l.x, x);
    EXPECT_NEAR(l.R, r, tolerance) << "x = " << l.x;
    EXPECT_NEAR(l.G, g, tolerance) << "x = " << l.x;
    EXPECT_NEAR(l.B, b, tolerance) << "x = " << l.x;
}

inline void ExpectMemeLigne(const RetardCouleur &l, const RetardCouleur &attendue)
{
    ExpectLigne(l, attendue.x, attendue.R, attendue.G, attendue.B, 0.0);
}
