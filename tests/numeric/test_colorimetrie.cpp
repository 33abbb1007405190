// SPDX-License-Identifier: GPL-3.0-or-later
// The colorimetric strip colours against a plain loop over the wavelengths.
#include "MichelLevySpectre/presentation/Colorimetrie.h"
#include "MichelLevySpectre/presentation/EcartsCouleur.h"
#include "MichelLevySpectre/presentation/Ordres.h"
#include "MichelLevySpectre/presentation/Reglages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <numeric>

namespace {

struct Lineaire {
    double r, g, b;
};

// IEC 61966-2-1: XYZ (D65) to linear sRGB, then the encoding, written out here on purpose.
Lineaire srgb(double X, double Y, double Z)
{
    return {3.2406 * X - 1.5372 * Y - 0.4986 * Z, -0.9689 * X + 1.8758 * Y + 0.0415 * Z,
            0.0557 * X - 0.2040 * Y + 1.0570 * Z};
}

int code(double v)
{
    v = std::min(1.0, std::max(0.0, v));
    const double e = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return int(std::lround(255 * e));
}

// Row by row and wavelength by wavelength, cos² (white) or sin² (monochromatic) weights.
std::vector<Lineaire> lineairesAttendus(const std::vector<std::int32_t> &lambdas, int pas_,
                                        int lignes, bool blanche)
{
    double total[3] = {};
    for (int l : lambdas) {
        const Tristimulus t = CorrespondanceCie1931(l);
        total[0] += t.X, total[1] += t.Y, total[2] += t.Z;
    }
    std::vector<Lineaire> rows;
    for (int i = 0; i < lignes; ++i) {
        double s[3] = {};
        for (int l : lambdas) {
            const double c = std::cos(std::numbers::pi * i * pas_ / l);
            const double w = blanche ? c * c : 1 - c * c;
            const Tristimulus t = CorrespondanceCie1931(l);
            s[0] += t.X * w, s[1] += t.Y * w, s[2] += t.Z * w;
        }
        if (blanche)
            for (int k = 0; k < 3; ++k)
                s[k] = 1 - s[k] / total[k];
        rows.push_back(srgb(s[0] * 0.9505, s[1], s[2] * 1.089));
    }
    return rows;
}

struct Cas {
    const char *nom;
    int premier, dernier; // wavelengths of the light
    ModeLumiere mode;
};

class Colorimetrie : public ::testing::TestWithParam<Cas> {};

TEST_P(Colorimetrie, everyRow_matchesThePlainLoop)
{
    const Cas &c = GetParam();
    std::vector<std::int32_t> lambdas(std::size_t(c.dernier - c.premier + 1));
    std::iota(lambdas.begin(), lambdas.end(), c.premier);
    const int pas_ = 10, lignes = 301;
    const bool blanche = c.mode == ModeLumiere::Blanche;
    const std::vector<Lineaire> attendus = lineairesAttendus(lambdas, pas_, lignes, blanche);
    double echelle = 1;
    if (!blanche) {
        double m = 0;
        for (const Lineaire &l : attendus)
            m = std::max({m, l.r, l.g, l.b});
        echelle = 1 / m;
    }
    const std::vector<Rgb8> obtenus = CouleursColorimetriques(lambdas, pas_, lignes, c.mode);
    ASSERT_EQ(obtenus.size(), std::size_t(lignes));
    for (int i = 0; i < lignes; ++i) {
        const Lineaire &a = attendus[std::size_t(i)];
        const Rgb8 &o = obtenus[std::size_t(i)];
        EXPECT_LE(std::abs(o.r - code(a.r * echelle)), 1) << "row " << i;
        EXPECT_LE(std::abs(o.g - code(a.g * echelle)), 1) << "row " << i;
        EXPECT_LE(std::abs(o.b - code(a.b * echelle)), 1) << "row " << i;
    }
    // No retardation: nothing between crossed polarisers, in either light.
    EXPECT_EQ(obtenus[0], Rgb8{});
}

INSTANTIATE_TEST_SUITE_P(Lumieres, Colorimetrie,
                         ::testing::Values(Cas{"white", 400, 800, ModeLumiere::Blanche},
                                           Cas{"band550", 546, 555, ModeLumiere::Monochromatique},
                                           Cas{"band750", 746, 755, ModeLumiere::Monochromatique}),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(Colorimetrie, fullTransmissionIsWhite_andTheCurveIsSrgbs)
{
    const RgbLineaire blanc = VersSrgbLineaire(BlancD65);
    EXPECT_EQ(OctetSrgb(blanc.R), 255);
    EXPECT_EQ(OctetSrgb(blanc.G), 255);
    EXPECT_EQ(OctetSrgb(blanc.B), 255);
    // Published sRGB codes: mid-grey linear 0.5 is 188 (a plain 2.2 power would give 186),
    // the linear toe near black.
    EXPECT_EQ(OctetSrgb(0.5), 188);
    EXPECT_EQ(OctetSrgb(0.1), 89);
    EXPECT_EQ(OctetSrgb(0.002), 7);
    EXPECT_EQ(OctetSrgb(-0.3), 0);
    EXPECT_EQ(OctetSrgb(std::nan("")), 0);
    EXPECT_EQ(OctetSrgb(1.7), 255);
}

// Sharma, Wu and Dalal (2005), test data for CIEDE2000: pairs 1, 7, 17 and 25; and the
// white of sRGB 255 at L* 100.
TEST(Colorimetrie, differencesAgreeWithPublishedPairs)
{
    struct Paire {
        Lab x, y;
        double de00;
    };
    for (const Paire &p :
         {Paire{{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
          Paire{{50, 0, 0}, {50, -1, 2}, 2.3669}, Paire{{50, 2.5, 0}, {73, 25, -18}, 27.1492},
          Paire{{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644}}) {
        EXPECT_NEAR(DeltaE2000(p.x, p.y), p.de00, 1e-4);
        EXPECT_NEAR(DeltaE2000(p.y, p.x), p.de00, 1e-4);
    }
    const Lab blanc = SrgbVersLab({255, 255, 255});
    EXPECT_NEAR(blanc.L, 100.0, 0.01);
    EXPECT_NEAR(DeltaEab(blanc, {100, 0, 0}), 0.0, 0.02);
}

TEST(Colorimetrie, settingsAndOrdersAreNamedInFrench)
{
    EXPECT_EQ(DescriptionReglages({}), "");
    ReglagesMicroscope r;
    r.source = SourceLumineuse::D65;
    r.lame = LameAuxiliaire::TeinteSensible;
    EXPECT_EQ(DescriptionReglages(r), "lumière du jour D65, lame λ en addition");
    r.sens = SensLame::Soustraction;
    EXPECT_DOUBLE_EQ(RetardVu(100, r), 451);
    EXPECT_EQ(NomOrdre(OrdreDuRetard(550, IntervalleOrdres)), "1er ordre");
    EXPECT_EQ(NomOrdre(OrdreDuRetard(551, IntervalleOrdres)), "2e ordre");
}

} // namespace
