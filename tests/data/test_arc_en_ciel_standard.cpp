// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped rainbow file: what the generator writes, readable by the program, and
// physically plausible.
#include "ArcEnCielCie.h"
#include "MichelLevySpectre/RetardCouleur.h"
#include "MichelLevySpectre/spectra/FichierArcEnCiel.h"
#include "MichelLevySpectre/spectra/TexteChamps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string fichierLivre()
{
    std::ifstream f(ARC_EN_CIEL_STANDARD, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

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

TEST(CorrespondanceCie1931, followsTheTabulatedObserver)
{
    struct Point {
        double lambda, X, Y, Z;
    };
    // CIE 1931 2° table values.
    for (const Point &p : {Point{450, 0.3362, 0.0380, 1.7721}, Point{555, 0.5121, 1.0000, 0.0057},
                           Point{600, 1.0622, 0.6310, 0.0008}, Point{700, 0.0114, 0.0041, 0.0}}) {
        SCOPED_TRACE(p.lambda);
        const Tristimulus t = CorrespondanceCie1931(p.lambda);
        EXPECT_NEAR(t.X, p.X, 0.015);
        EXPECT_NEAR(t.Y, p.Y, 0.015);
        EXPECT_NEAR(t.Z, p.Z, 0.015);
    }
}

TEST(VersSrgbLineaire, mapsTheD65WhiteToEqualChannels)
{
    const RgbLineaire c = VersSrgbLineaire({0.95047, 1.0, 1.08883});
    EXPECT_NEAR(c.R, 1.0, 1e-3);
    EXPECT_NEAR(c.G, 1.0, 1e-3);
    EXPECT_NEAR(c.B, 1.0, 1e-3);
}
