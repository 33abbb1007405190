// SPDX-License-Identifier: GPL-3.0-or-later
#include "aides_tests.h"

#include "MichelLevySpectre/spectra/Bande.h"

#include <gtest/gtest.h>

namespace {

struct CasBande {
    std::int32_t centre, largeur;
    // Wavelengths that keep their colour; none when premier > dernier.
    std::int32_t premier, dernier;
};

// Checks every sample: x is kept; the colour is kept inside the band, black outside.
void verifieBande(const CasBande &c)
{
    SCOPED_TRACE(testing::Message() << "centre " << c.centre << ", width " << c.largeur);
    const Tab_RetardCouleur blanche = ArcEnCielCalcule();
    Tab_RetardCouleur incidente(blanche.size(), Temoin());
    FiltreBande(blanche, incidente, c.centre, c.largeur);
    ASSERT_EQ(incidente.size(), blanche.size());
    for (std::size_t i = 0; i < blanche.size(); ++i) {
        const RetardCouleur &b = blanche[i];
        if (b.x >= c.premier && b.x <= c.dernier)
            ExpectMemeLigne(incidente[i], b);
        else
            ExpectLigne(incidente[i], b.x, 0, 0, 0, 0.0);
    }
}

} // namespace

TEST(FiltreBande, centre550_keepsTheSamplesOfTheBand)
{
    for (const CasBande &c : {CasBande{550, 10, 546, 555}, CasBande{550, 2, 550, 551},
                              CasBande{550, 1, 550, 550}, CasBande{550, 3, 549, 551}})
        verifieBande(c);
}

TEST(FiltreBande, zeroOrNegativeWidth_blackensEverySample)
{
    verifieBande({550, 0, 1, 0});
    verifieBande({550, -4, 1, 0});
}

TEST(FiltreBande, bandAtTheSpectrumEdges_keepsOnlyTheSamplesInside)
{
    verifieBande({400, 10, 400, 405});
    verifieBande({800, 10, 796, 800});
    verifieBande({1000, 10, 1, 0});
}

TEST(FiltreBande, eachCall_startsAgainFromTheWhiteSpectrum)
{
    const Tab_RetardCouleur blanche = ArcEnCielCalcule();
    Tab_RetardCouleur incidente = blanche;
    FiltreBande(blanche, incidente, 550, 10);
    FiltreBande(blanche, incidente, 600, 10);
    ExpectMemeLigne(incidente[200], blanche[200]); // 600 nm
    ExpectLigne(incidente[150], 550, 0, 0, 0, 0.0);
}

TEST(FiltreBande, unfilledSlots_stayBlackWithXZero)
{
    const Tab_RetardCouleur blanche(401);
    Tab_RetardCouleur incidente(401, Temoin());
    FiltreBande(blanche, incidente, 550, 10);
    for (const RetardCouleur &e : incidente)
        ExpectLigne(e, 0, 0, 0, 0, 0.0);
}
