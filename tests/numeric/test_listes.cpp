// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/listes/TextesListes.h"

#include <gtest/gtest.h>

namespace {

// A share whose product with 255 is exactly 126.5.
constexpr double part126demi = 0.49607843137254903;

} // namespace

TEST(ListeSpectre, sharesAreRoundedHalfToEven)
{
    ASSERT_EQ(part126demi * 255, 126.5);
    EXPECT_EQ(Part255(part126demi), 126);
    EXPECT_EQ(Part255(0.5), 128); // 127.5
    EXPECT_EQ(Part255(1.0), 255);
    EXPECT_EQ(Part255(0.0), 0);
    EXPECT_EQ(Part255(300.0 / 255), 300);
}

TEST(ListeSpectreFichier, headerThenWavelengthsFromTheFirstAndTabSeparatedShares)
{
    // The slots' own x is ignored: lines count from the first wavelength.
    const Tab_RetardCouleur spectre{{0, 1.0, 0.5, 0.0}, {0, part126demi, 0.2, 1.0}};
    EXPECT_EQ(ListeSpectreFichier(spectre, 400), "lambda\tR\tG\tB\n"
                                                 "400\t255\t128\t0\n"
                                                 "401\t126\t51\t255\n");
    EXPECT_EQ(ListeSpectreFichier({}, 400), "lambda\tR\tG\tB\n");
}

TEST(ListeSpectreLumiere, noHeaderAndTwoSpacesBetweenValues)
{
    const Tab_RetardCouleur spectre{{550, 1.0, 0.5, 0.0}, {551, part126demi, 0.0, 1.0}};
    EXPECT_EQ(ListeSpectreLumiere(spectre), "i =0  255  128  0\n"
                                            "i =1  126  0  255\n");
    EXPECT_EQ(ListeSpectreLumiere({}), "");
}

TEST(ListeTableInterferences, valuesInFixedFormWithHalvesAwayFromZero)
{
    const Tab_RetardCouleur table{
        {0, 0.0, 0.0, 0.0}, {10, 126.5, 127.5, 254.49}, {-20, 0.5, 1e-9, 255.0}};
    EXPECT_EQ(ListeTableInterferences(table), "i\tretard(nm)\tR\tG\tB\n"
                                              "0\t0\t0\t0\t0\n"
                                              "1\t10\t127\t128\t254\n"
                                              "2\t-20\t1\t0\t255\n");
}

TEST(ListeTableInterferences, emptyTable_givesTheHeaderAlone)
{
    EXPECT_EQ(ListeTableInterferences({}), "i\tretard(nm)\tR\tG\tB\n");
}

TEST(QuestionEnregistrement, stepOne_asksWithoutTheNote)
{
    EXPECT_EQ(QuestionEnregistrement(1, 3000, 3002), "  Enregistrer les 3001 interférences  ?  ");
    EXPECT_EQ(QuestionEnregistrement(0, 3000, 2), "  Enregistrer les 1 interférences  ?  ");
}

TEST(QuestionEnregistrement, largerStep_startsWithTheNoteAndThreeBreaks)
{
    EXPECT_EQ(QuestionEnregistrement(2, 3000, 1502),
              "  (il est possible de diminuer le pas à 1 pour une plus grande "
              "résolution de 3000)           \n\n\n"
              "  Enregistrer les 1501 interférences  ?  ");
    EXPECT_EQ(QuestionEnregistrement(10, 3000, 302).substr(0, 3), "  (");
    EXPECT_NE(
        QuestionEnregistrement(10, 3000, 302).find(")           \n\n\n  Enregistrer les 301 "),
        std::string::npos);
}

TEST(QuestionEnregistrement, memoWithItsInitialLineOnly_asksForZero)
{
    EXPECT_EQ(QuestionEnregistrement(1, 2000, 1), "  Enregistrer les 0 interférences  ?  ");
}
