// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped rainbow file: what the generator writes, readable by the program, and
// physically plausible.
#include "ArcEnCielCie.h"
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/spectra/FichierArcEnCiel.h"
#include "MichelLevySpectre/spectra/TexteChamps.h"
#include "TablesCie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string lit(const char *nom)
{
    std::ifstream f(nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string fichierLivre() { return lit(ARC_EN_CIEL_STANDARD); }

// Wavelength where a channel of the generated rows is largest.
template <typename Canal> int pic(const std::vector<LigneArcEnCiel> &lignes, Canal canal)
{
    const auto it =
        std::max_element(lignes.begin(), lignes.end(),
                         [&](const auto &a, const auto &b) { return canal(a) < canal(b); });
    return it->lambda;
}

} // namespace

TEST(ArcEnCielStandard, shippedFileIsExactlyWhatTheGeneratorWrites)
{
    const std::string livre = fichierLivre();
    ASSERT_FALSE(livre.empty()) << "missing " << ARC_EN_CIEL_STANDARD;
    EXPECT_EQ(livre, TexteArcEnCielStandard())
        << "regenerate with: cmake --build <dir> --target regenere_arc_en_ciel";
}

TEST(ArcEnCielStandard, everyLineEndsWithCrLf)
{
    const std::string texte = TexteArcEnCielStandard();
    std::size_t crlf = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(texte[i - 1], '\r') << "bare LF at " << i;
            ++crlf;
        } else if (texte[i] == '\r') {
            ASSERT_LT(i + 1, texte.size());
            EXPECT_EQ(texte[i + 1], '\n') << "bare CR at " << i;
        }
    }
    EXPECT_EQ(crlf, 402u);
    EXPECT_EQ(texte.substr(texte.size() - 2), "\r\n");
}

TEST(ArcEnCielStandard, programReaderAcceptsTheHeaderAndFillsAll401Slots)
{
    const std::vector<std::string> lignes = DecoupeLignes(fichierLivre());
    ASSERT_EQ(lignes.size(), 402u);
    EXPECT_TRUE(EnTeteCompatible(lignes[0]));

    Tab_RetardCouleur table(EchantillonsSpectre);
    ASSERT_TRUE(RemplitArcEnCiel(lignes, LambdaMin, LambdaMax, table));
    const std::vector<LigneArcEnCiel> attendu = ArcEnCielStandard();
    for (std::size_t k = 0; k < table.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(table[k].x, 400 + static_cast<int>(k));
        EXPECT_EQ(Extrait(lignes[k + 1], 1, '\t'), std::to_string(400 + k));
        EXPECT_DOUBLE_EQ(table[k].R, attendu[k].R / 255.0);
        EXPECT_DOUBLE_EQ(table[k].G, attendu[k].G / 255.0);
        EXPECT_DOUBLE_EQ(table[k].B, attendu[k].B / 255.0);
    }
}

TEST(ArcEnCielStandard, valuesAreBytesScaledToAPeakOf255)
{
    int plusGrand = 0;
    for (const LigneArcEnCiel &l : ArcEnCielStandard()) {
        for (int v : {l.R, l.G, l.B}) {
            EXPECT_GE(v, 0) << l.lambda;
            EXPECT_LE(v, 255) << l.lambda;
            plusGrand = std::max(plusGrand, v);
        }
    }
    EXPECT_EQ(plusGrand, 255);
}

TEST(ArcEnCielStandard, channelsPeakWhereTheEyeSeesRedGreenAndBlue)
{
    const std::vector<LigneArcEnCiel> lignes = ArcEnCielStandard();
    const int rouge = pic(lignes, [](const LigneArcEnCiel &l) { return l.R; });
    const int vert = pic(lignes, [](const LigneArcEnCiel &l) { return l.G; });
    const int bleu = pic(lignes, [](const LigneArcEnCiel &l) { return l.B; });
    EXPECT_GE(rouge, 590);
    EXPECT_LE(rouge, 620);
    EXPECT_GE(vert, 520);
    EXPECT_LE(vert, 560);
    EXPECT_GE(bleu, 440);
    EXPECT_LE(bleu, 460);
    // Cyan light is out of the sRGB gamut: red goes negative there and must be clipped.
    EXPECT_EQ(lignes[500 - 400].R, 0);
    // The eye barely sees the far red end.
    EXPECT_LE(lignes.back().R, 1);
}

TEST(CorrespondanceCie1931, isThePublishedTable_withItsEqualEnergySums)
{
    struct Point {
        double lambda, X, Y, Z;
    };
    // CIE 018:2019, the CIE 1931 2° colour-matching functions at 1 nm.
    for (const Point &p :
         {Point{380, 0.001368, 0.000039, 0.006450001}, Point{450, 0.3362, 0.038, 1.77211},
          Point{555, 0.5120501, 1.0, 0.005749999}, Point{600, 1.0622, 0.631, 0.0008},
          Point{700, 0.01135916, 0.004102, 0.0}, Point{750, 0.0003323011, 0.00012, 0.0},
          Point{800, 0.00001025398, 0.0000037029, 0.0}}) {
        SCOPED_TRACE(p.lambda);
        const Tristimulus t = CorrespondanceCie1931(p.lambda);
        EXPECT_DOUBLE_EQ(t.X, p.X);
        EXPECT_DOUBLE_EQ(t.Y, p.Y);
        EXPECT_DOUBLE_EQ(t.Z, p.Z);
    }
    // Published equal-energy sums over 380–800 nm: 106.856, 106.857, 106.846.
    Tristimulus somme;
    for (int lambda = 380; lambda <= 800; ++lambda) {
        const Tristimulus t = CorrespondanceCie1931(lambda);
        somme.X += t.X, somme.Y += t.Y, somme.Z += t.Z;
    }
    EXPECT_NEAR(somme.X, 106.856, 0.0002 * 106.856);
    EXPECT_NEAR(somme.Y, 106.857, 0.0002 * 106.857);
    EXPECT_NEAR(somme.Z, 106.846, 0.0002 * 106.846);
    EXPECT_NEAR(somme.X / somme.Y, 1, 0.0002);
    EXPECT_NEAR(somme.Z / somme.Y, 1, 0.0002);
    // Between rows linearly, nothing outside the table.
    EXPECT_DOUBLE_EQ(CorrespondanceCie1931(554.5).Y, (CorrespondanceCie1931(554).Y + 1.0) / 2);
    EXPECT_EQ(CorrespondanceCie1931(379.9).X, 0.0);
    EXPECT_EQ(CorrespondanceCie1931(800.1).X, 0.0);
}

TEST(TablesCie, generatedSourceIsExactlyWhatTheToolWrites)
{
    EXPECT_EQ(lit(TABLES_CIE_SOURCE), SourceTablesCie(lit(CIE_OBSERVATEUR), lit(CIE_D65)))
        << "regenerate with: cmake --build <dir> --target regenere_tables_cie";
}

TEST(VersSrgbLineaire, mapsTheD65WhiteToEqualChannels)
{
    const RgbLineaire c = VersSrgbLineaire({0.95047, 1.0, 1.08883});
    EXPECT_NEAR(c.R, 1.0, 1e-3);
    EXPECT_NEAR(c.G, 1.0, 1e-3);
    EXPECT_NEAR(c.B, 1.0, 1e-3);
}
