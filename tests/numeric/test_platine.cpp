// SPDX-License-Identifier: GPL-3.0-or-later
// The rotating stage: Jones matrices against the closed forms, and its colours against the
// strip's.
#include "MichelLevySpectre/optique/GrainPlatine.h"
#include "MichelLevySpectre/optique/NomsPlatine.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>

namespace {

struct Cas {
    double retard, angle, lame, lambda;
};

class Jones : public ::testing::TestWithParam<Cas> {};

// Without a plate: sin²(2α)·sin²(πΔ/λ); whatever the plate, crossed + parallel = all the light.
TEST_P(Jones, closedFormWithoutPlate_andCrossedPlusParallelIsTheLamp)
{
    const Cas &c = GetParam();
    const double sans = TransmissionPlatine({c.retard, c.angle, 0.0, true}, c.lambda);
    const double a = c.angle * std::numbers::pi / 180;
    EXPECT_NEAR(sans,
                std::pow(std::sin(2 * a) * std::sin(std::numbers::pi * c.retard / c.lambda), 2),
                1e-12);
    const double croises = TransmissionPlatine({c.retard, c.angle, c.lame, true}, c.lambda);
    const double paralleles = TransmissionPlatine({c.retard, c.angle, c.lame, false}, c.lambda);
    EXPECT_NEAR(croises + paralleles, 1.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Montages, Jones,
                         ::testing::Values(Cas{0, 45, 551, 550}, Cas{275, 45, 0, 550},
                                           Cas{300, 22.5, 147, 480}, Cas{1234, 90, 551, 400},
                                           Cas{800, 137, 1999, 700}, Cas{60, -30, 551, 800}));

std::vector<std::int32_t> spectre()
{
    std::vector<std::int32_t> l(EchantillonsSpectre);
    std::iota(l.begin(), l.end(), LambdaMin);
    return l;
}

// At 45° without a plate the stage shows the strip's own colorimetric colours.
TEST(Platine, diagonalWithoutPlate_isTheStripUnderEachLightAndViewer)
{
    for (const SourceLumineuse s : {SourceLumineuse::EgaleEnergie, SourceLumineuse::Halogene})
        for (const Vision v : {Vision::OeilAdapte, Vision::AppareilLumiereDuJour})
            for (const Polariseurs p : {Polariseurs::Croises, Polariseurs::Paralleles}) {
                const ReglagesMicroscope r{s, v, LameAuxiliaire::Aucune, SensLame::Addition, p};
                const std::vector<Rgb8> bande =
                    CouleursColorimetriques(spectre(), 6, 501, ModeLumiere::Blanche, r);
                const LumierePlatine lumiere = PrepareLumierePlatine(r);
                for (int i = 0; i < 501; ++i) {
                    const Rgb8 c =
                        VoitPlatine(lumiere, {6.0 * i, 45, 0, p == Polariseurs::Croises}).couleur;
                    ASSERT_EQ(c, bande[std::size_t(i)]) << ReglagesEnMots(r, true) << ", " << i;
                }
            }
}

// The λ plate adds at 45° and subtracts at 135°; the stage is dark every 90° without it and
// half as bright at 22.5° as at 45°.
TEST(Platine, plateAddsAndSubtracts_brightnessFollowsSinSquared)
{
    const LumierePlatine l = PrepareLumierePlatine({});
    for (double d = 0; d <= 2000; d += 37) {
        const auto vue = [&](double retard, double angle, double lame) {
            return VoitPlatine(l, {retard, angle, lame, true});
        };
        EXPECT_EQ(vue(d, 45, 551).couleur, vue(d + 551, 45, 0).couleur) << d;
        EXPECT_EQ(vue(d, 135, 551).couleur, vue(std::abs(d - 551), 45, 0).couleur) << d;
        EXPECT_EQ(vue(d, 90, 0).couleur, Rgb8{}) << d;
        EXPECT_NEAR(vue(d, 22.5, 0).luminosite, vue(d, 45, 0).luminosite / 2, 1e-12) << d;
    }
}

TEST(Platine, nanNeverReachesTheColour)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const LumierePlatine l = PrepareLumierePlatine({});
    for (const MontagePlatine &m :
         std::array{MontagePlatine{nan, 45, 0, true}, MontagePlatine{300, nan, 551, true},
                    MontagePlatine{300, 45, nan, false}}) {
        const VuePlatine v = VoitPlatine(l, m);
        EXPECT_EQ(v.couleur, Rgb8{});
        EXPECT_EQ(v.luminosite, 0.0);
    }
    EXPECT_EQ(TransmissionPlatine({300, 45, 0, true}, 0.0), 0.0);
}

// A turn finds the extinction angle that was set, folded to the nearest cross-hair.
TEST(Platine, turnMeasuresTheExtinctionAngle_andNamesTheElongation)
{
    const LumierePlatine l = PrepareLumierePlatine({});
    for (const int e : {0, 12, 38, 60, 90}) {
        const std::vector<double> tour = LuminositesTour(l, {400, double(e), 0, true});
        EXPECT_EQ(ExtinctionMesuree(tour), std::min(e % 90, 90 - e % 90)) << e;
    }
    EXPECT_EQ(ExtinctionMesuree(LuminositesTour(l, {0, 30, 0, true})), std::nullopt);
    EXPECT_EQ(SigneAllongement(12), "allongement positif (lent)");
    EXPECT_EQ(SigneAllongement(60), "allongement négatif (rapide)");
    EXPECT_EQ(SigneAllongement(45), "allongement indéterminé");
    EXPECT_EQ(SigneAllongement(-170), "allongement positif (lent)");
    EXPECT_EQ(RetardApparent({400, 45, 551, true}), 951);
    EXPECT_EQ(RetardApparent({400, 135, 551, true}), 151);
    EXPECT_EQ(RetardApparent({400, 0, 551, true}), 551);
}

// A pleochroic grain: without the analyser each vibration direction passes its own share,
// a·cos²θ + b·sin²θ whatever the retardation, and crossed plus parallel is still that light.
TEST(Platine, planeLight_eachDirectionAbsorbsItsShare)
{
    const AbsorptionGrain a{400, std::vector<double>(401, 0.5), std::vector<double>(401, 0.9)};
    for (const double angle : {0.0, 30.0, 90.0, 151.0}) {
        MontagePlatine m{700, angle, 0, true};
        m.absorption = &a;
        const double c = std::cos(angle * std::numbers::pi / 180);
        const double croises = TransmissionPlatine(m, 550);
        m.croises = false;
        const double paralleles = TransmissionPlatine(m, 550);
        m.analyseur = false;
        const double naturelle = TransmissionPlatine(m, 550);
        EXPECT_NEAR(naturelle, 0.25 * c * c + 0.81 * (1 - c * c), 1e-12) << angle;
        EXPECT_NEAR(croises + paralleles, naturelle, 1e-12) << angle;
    }
}

// On the diagonal Newton's name and order, the λ plate's own purple as the end of the first
// order; off it the colour shown: never "noir" while light passes, "sombre" when dark.
TEST(Platine, readoutNamesTheColourShown)
{
    const LumierePlatine l = PrepareLumierePlatine({});
    const MontagePlatine sensible{0, 45, 551, true};
    EXPECT_EQ(NomVuePlatine(sensible, VoitPlatine(l, sensible)),
              "teinte sensible (pourpre, fin du 1er ordre)");
    MontagePlatine naturelle{2100, 0, 0, true};
    naturelle.analyseur = false;
    EXPECT_EQ(NomVuePlatine(naturelle, {{146, 103, 60}, 0.16}), "brun sombre");
    EXPECT_EQ(NomVuePlatine(naturelle, {{252, 244, 211}, 0.9}), "jaune");
    const MontagePlatine diagonale{200, 45, 551, true};
    EXPECT_EQ(NomVuePlatine(diagonale, VoitPlatine(l, diagonale)), "vert, 2e ordre");
    for (double angle = 0; angle < 360; angle += 7) {
        const MontagePlatine m{1400, angle, 149, true};
        const VuePlatine v = VoitPlatine(l, m);
        const std::string nom = NomVuePlatine(m, v);
        const bool horsDiagonale = std::abs(std::cos((angle - 45) * std::numbers::pi / 90)) < 0.7;
        EXPECT_TRUE(v.luminosite < 1e-3 || !nom.starts_with("noir")) << angle << " " << nom;
        EXPECT_TRUE(!horsDiagonale || v.luminosite >= 0.2 || nom.ends_with(" sombre"))
            << angle << " " << nom;
    }
}

} // namespace
