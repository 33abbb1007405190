// SPDX-License-Identifier: GPL-3.0-or-later
// The colorimetric strip colours against a plain loop over the wavelengths.
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/couleurs/Colorimetrie.h"
#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/couleurs/Eclairage.h"
#include "MichelLevySpectre/couleurs/Gamut.h"
#include "MichelLevySpectre/couleurs/Ordres.h"
#include "MichelLevySpectre/couleurs/ReglagesMicroscope.h"
#include "MichelLevySpectre/couleurs/TableVue.h"
#include "MichelLevySpectre/interference/Interferences.h"
#include "aides_tests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <numeric>
#include <utility>

namespace {

struct Lineaire {
    double r, g, b;
};

// The equal-energy light (white Y = 1) as the adapted eye sees it.
Lineaire srgb(double X, double Y, double Z)
{
    const Tristimulus w = BlancSource(SourceLumineuse::EgaleEnergie);
    const Tristimulus c = Applique(XyzVersSrgbVu({}), {X * w.X, Y, Z * w.Z});
    return {c.X, c.Y, c.Z};
}

// The encoding written out here on purpose.

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
        rows.push_back(srgb(s[0], s[1], s[2]));
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
        const Lineaire &l = attendus[std::size_t(i)];
        const RgbLineaire a = DansGamut({l.r * echelle, l.g * echelle, l.b * echelle});
        const Rgb8 &o = obtenus[std::size_t(i)];
        EXPECT_LE(std::abs(o.r - code(a.R)), 1) << "row " << i;
        EXPECT_LE(std::abs(o.g - code(a.G)), 1) << "row " << i;
        EXPECT_LE(std::abs(o.b - code(a.B)), 1) << "row " << i;
    }
    // No retardation: nothing between crossed polarisers, in either light.
    EXPECT_EQ(obtenus[0], Rgb8{});
}

INSTANTIATE_TEST_SUITE_P(Lumieres, Colorimetrie,
                         ::testing::Values(Cas{"white", 400, 800, ModeLumiere::Blanche},
                                           Cas{"band550", 546, 555, ModeLumiere::Monochromatique},
                                           Cas{"band750", 746, 755, ModeLumiere::Monochromatique}),
                         [](const auto &info) { return std::string(info.param.nom); });

// Out of the gamut, mixed with linear grey 0.5 just enough to fit (values worked by hand).
TEST(Colorimetrie, outOfGamut_mixedWithHalfGrey)
{
    for (const auto &[hors, dans] :
         {std::pair<RgbLineaire, RgbLineaire>{{1.5, 0.5, 0.25}, {1, 0.5, 0.375}},
          {{-0.5, 0.5, 0.9}, {0, 0.5, 0.7}}}) {
        const RgbLineaire c = DansGamut(hors);
        EXPECT_NEAR(c.R, dans.R, 1e-12);
        EXPECT_NEAR(c.G, dans.G, 1e-12);
        EXPECT_NEAR(c.B, dans.B, 1e-12);
    }
}

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
    ReglagesMicroscope r;
    r.source = SourceLumineuse::D65;
    r.lame = LameAuxiliaire::TeinteSensible;
    r.sens = SensLame::Soustraction;
    EXPECT_DOUBLE_EQ(RetardVu(100, r), 451);
    EXPECT_EQ(NomOrdre(OrdreDuRetard(550, IntervalleOrdres)), "1er ordre");
    EXPECT_EQ(NomOrdre(OrdreDuRetard(551, IntervalleOrdres)), "2e ordre");
}

std::vector<std::int32_t> longueursOnde(int premier, int dernier)
{
    std::vector<std::int32_t> l(std::size_t(dernier - premier + 1));
    std::iota(l.begin(), l.end(), premier);
    return l;
}

double teinte(const Rgb8 &c)
{
    const Lab lab = SrgbVersLab(c);
    return std::atan2(lab.b, lab.a) * 180 / std::numbers::pi;
}

ReglagesMicroscope avec(SourceLumineuse source, Vision vision = Vision::OeilAdapte,
                        LameAuxiliaire lame = LameAuxiliaire::Aucune,
                        SensLame sens = SensLame::Addition)
{
    return {source, vision, lame, sens, Polariseurs::Croises};
}

TEST(Microscope, sensitiveTintInDaylight_deepRedBands_andADarkBandIsBlack)
{
    // Published: illuminant A (CIE 15:2004) at 400 and 780 nm; D65 between its 550 and 560 nm rows.
    EXPECT_NEAR(PuissanceSource(SourceLumineuse::IlluminantA, 400), 14.708, 0.001);
    EXPECT_NEAR(PuissanceSource(SourceLumineuse::IlluminantA, 780), 241.675, 0.001);
    EXPECT_NEAR(PuissanceSource(SourceLumineuse::D65, 555), (104.046 + 100) / 2, 1e-9);
    // Held at its ends (49.9755 at 380 nm, 63.3828 at 780 nm); nothing at NaN.
    EXPECT_EQ(PuissanceSource(SourceLumineuse::D65, -1e300), 49.9755);
    EXPECT_NEAR(PuissanceSource(SourceLumineuse::D65, INFINITY), 63.3828, 1e-9);
    EXPECT_EQ(PuissanceSource(SourceLumineuse::D65, std::nan("")), 0);
    const std::vector<std::int32_t> blanche = longueursOnde(400, 800);
    const Rgb8 teinteSensible = CouleursColorimetriques(blanche, 551, 2, ModeLumiere::Blanche,
                                                        avec(SourceLumineuse::D65))[1];
    EXPECT_LE(DeltaEab(SrgbVersLab(teinteSensible), SrgbVersLab({104, 0, 178})), 2);
    for (const int centre : {650, 700, 750, 800}) {
        SCOPED_TRACE(centre);
        const std::vector<Rgb8> c =
            CouleursColorimetriques(longueursOnde(centre - 1, std::min(centre + 1, 800)), 10, 301,
                                    ModeLumiere::Monochromatique);
        const Rgb8 clair = *std::max_element(c.begin(), c.end(), [](const Rgb8 &a, const Rgb8 &b) {
            return a.r + a.g + a.b < b.r + b.g + b.b;
        });
        EXPECT_GE(teinte(clair), -20);
        EXPECT_LE(teinte(clair), 60);
    }
    ReglagesMicroscope tout = avec(SourceLumineuse::Halogene, Vision::AppareilLumiereDuJour,
                                   LameAuxiliaire::QuartDOnde, SensLame::Soustraction);
    tout.polariseurs = Polariseurs::Paralleles;
    for (const ModeLumiere mode : {ModeLumiere::Blanche, ModeLumiere::Monochromatique}) {
        for (const Rgb8 &c : CouleursColorimetriques({}, 10, 5, mode, tout))
            EXPECT_EQ(c, Rgb8{});
        for (const RetardCouleur &l : TableVue(Tab_RetardCouleur(401), 10, 5, mode, tout))
            EXPECT_EQ(l.R + l.G + l.B, 0.0);
    }
}

// 0 to 3000 nm by 29: the λ plate moves every row by 19 rows.
TEST(Microscope, sensitiveTintPlate_showsTheRow551nmOn_inBothColourModes)
{
    const std::int32_t pas_ = 29, decalage = 19;
    const std::size_t lignes = 3000 / pas_ + 1;
    const std::vector<std::int32_t> blanche = longueursOnde(400, 800);
    const Tab_RetardCouleur arc = ArcEnCielCalcule();
    const auto colorimetriques = [&](std::size_t n, const ReglagesMicroscope &r) {
        return CouleursColorimetriques(blanche, pas_, n, ModeLumiere::Blanche, r);
    };
    const auto duTableau = [](const Tab_RetardCouleur &t) {
        std::vector<Rgb8> c;
        for (const RetardCouleur &l : t)
            c.push_back({std::uint8_t(ArrondiPair(l.R)), std::uint8_t(ArrondiPair(l.G)),
                         std::uint8_t(ArrondiPair(l.B))});
        return c;
    };
    Tab_RetardCouleur sansLame(lignes + decalage);
    CalculInterferences(0, 0x7fffffff, pas_, arc, sansLame, ModeLumiere::Blanche);
    const std::vector<Rgb8> sans[2] = {
        colorimetriques(lignes + decalage, avec(SourceLumineuse::Halogene)), duTableau(sansLame)};
    for (const SensLame sens : {SensLame::Addition, SensLame::Soustraction}) {
        const ReglagesMicroscope r = avec(SourceLumineuse::Halogene, Vision::OeilAdapte,
                                          LameAuxiliaire::TeinteSensible, sens);
        const std::vector<Rgb8> avecLame[2] = {
            colorimetriques(lignes, r),
            duTableau(TableVue(arc, pas_, lignes, ModeLumiere::Blanche, r))};
        for (int mode = 0; mode < 2; ++mode)
            for (std::size_t i = 0; i < lignes; ++i) {
                const std::size_t vu = sens == SensLame::Addition
                                           ? i + decalage
                                           : std::size_t(std::abs(int(i) - decalage));
                ASSERT_EQ(avecLame[mode][i], sans[mode][vu]) << "mode " << mode << " row " << i;
            }
    }
}

TEST(Microscope, parallelPlusCrossed_isTheSourcesWhite)
{
    const std::vector<std::int32_t> blanche = longueursOnde(400, 800);
    for (const SourceLumineuse source : {SourceLumineuse::D65, SourceLumineuse::Halogene}) {
        ReglagesMicroscope r = avec(source);
        const std::vector<Rgb8> croises =
            CouleursColorimetriques(blanche, 10, 301, ModeLumiere::Blanche, r);
        r.polariseurs = Polariseurs::Paralleles;
        const std::vector<Rgb8> paralleles =
            CouleursColorimetriques(blanche, 10, 301, ModeLumiere::Blanche, r);
        int comparees = 0;
        for (std::size_t i = 0; i < croises.size(); ++i) {
            const Rgb8 &a = croises[i], &b = paralleles[i];
            const auto interieur = [](const Rgb8 &c) {
                return std::min({c.r, c.g, c.b}) > 0 && std::max({c.r, c.g, c.b}) < 255;
            };
            if (!interieur(a) || !interieur(b)) // brought into the gamut: not additive
                continue;
            ++comparees;
            EXPECT_NEAR(LineaireSrgb(a.r) + LineaireSrgb(b.r), 1, 0.01) << "row " << i;
            EXPECT_NEAR(LineaireSrgb(a.g) + LineaireSrgb(b.g), 1, 0.01) << "row " << i;
            EXPECT_NEAR(LineaireSrgb(a.b) + LineaireSrgb(b.b), 1, 0.01) << "row " << i;
        }
        EXPECT_GT(comparees, 100);
    }
}

} // namespace
