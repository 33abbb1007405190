// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/spectra/TexteChamps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CompteCar, countsEveryPositionHoldingTheCharacter)
{
    EXPECT_EQ(CompteCar('\t', ""), 0);
    EXPECT_EQ(CompteCar('\t', "x\tR\tG\tB"), 3);
    EXPECT_EQ(CompteCar('\t', "\t\t"), 2);
    EXPECT_EQ(CompteCar('\t', "x R G B"), 0);
    EXPECT_EQ(CompteCar('a', "banana"), 3);
}

TEST(Trim, onlyTheSpaceCountsAsBlank)
{
    EXPECT_EQ(TrimDroite("  a b  "), "  a b");
    EXPECT_EQ(TrimGauche("  a b  "), "a b  ");
    EXPECT_EQ(TrimDroite("a\t"), "a\t");
    EXPECT_EQ(TrimGauche("\ta"), "\ta");
    EXPECT_EQ(TrimDroite("a\t "), "a\t");
    EXPECT_EQ(TrimGauche(" \ta"), "\ta");
}

TEST(Trim, blanksOnlyOrEmpty_giveTheEmptyText)
{
    EXPECT_EQ(TrimDroite("   "), "");
    EXPECT_EQ(TrimGauche("   "), "");
    EXPECT_EQ(TrimDroite(""), "");
    EXPECT_EQ(TrimGauche(""), "");
}

namespace {

struct CasExtrait {
    std::string ligne;
    int n;
    std::string attendu;
};

void verifie(const std::vector<CasExtrait> &cas)
{
    for (const CasExtrait &c : cas)
        EXPECT_EQ(Extrait(c.ligne, static_cast<std::uint8_t>(c.n), '\t'), c.attendu)
            << "line \"" << c.ligne << "\", field " << c.n;
}

} // namespace

TEST(Extrait, fieldsAreStrippedOfBlanksAroundThem)
{
    const std::string ligne = "  7 \t 8 ";
    verifie({{ligne, 1, "7"}, {ligne, 2, "8"}, {ligne, 3, ""}});
    verifie({{"400\t255\t0\t128", 1, "400"},
             {"400\t255\t0\t128", 2, "255"},
             {"400\t255\t0\t128", 4, "128"},
             {"a b\tc", 1, "a b"}});
}

TEST(Extrait, runsOfSeparatorsCountAsOne_soEmptyFieldsDisappear)
{
    verifie({{"400\t\t255\t0\t0", 2, "255"},
             {"400\t\t255\t0\t0", 3, "0"},
             {"400\t\t255\t0\t0", 4, "0"},
             {"400\t\t255\t0\t0", 5, ""},
             {"1\t\t\t\t2", 2, "2"}});
}

TEST(Extrait, leadingAndTrailingSeparatorsAreIgnored)
{
    verifie({{"\t400\t255", 1, "400"},
             {"\t400\t255", 2, "255"},
             {"\t\t400", 1, "400"},
             {"400\t", 1, "400"},
             {"400\t", 2, ""},
             {"\t", 1, ""}});
}

TEST(Extrait, emptyLine_givesTheMarkerText)
{
    EXPECT_EQ(Extrait("", 1, '\t'), "_extraitUTIL<>");
    EXPECT_EQ(Extrait("", 0, '\t'), "_extraitUTIL<>");
}

TEST(Extrait, fieldZeroOrPastTheLastField_givesTheEmptyText)
{
    verifie({{"400\t255\t0\t0", 0, ""}, {"400\t255", 3, ""}, {"400", 2, ""}, {"   ", 2, ""}});
    EXPECT_EQ(Extrait("400\t255", 255, '\t'), "");
}

TEST(Extrait, blanksOnlyField_givesTheEmptyText)
{
    verifie({{"   ", 1, ""}, {"1\t   \t3", 2, ""}, {"1\t   \t3", 3, "3"}});
}

TEST(Extrait, otherSeparator_splitsOnItAlone)
{
    EXPECT_EQ(Extrait("a;b;;c", 3, ';'), "c");
    EXPECT_EQ(Extrait("a\tb;c", 2, ';'), "c");
}

TEST(DecoupeLignes, acceptsCrLfLfAndCrBreaks)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(DecoupeLignes("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(DecoupeLignes("a\r\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(DecoupeLignes("a\n\rb"), (V{"a", "", "b"}));
}

TEST(DecoupeLignes, finalBreakStartsNoFurtherLine)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(DecoupeLignes("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(DecoupeLignes("a\nb\n"), (V{"a", "b"}));
    EXPECT_EQ(DecoupeLignes("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(DecoupeLignes("a"), (V{"a"}));
    EXPECT_EQ(DecoupeLignes("\n"), (V{""}));
}

TEST(DecoupeLignes, blankLinesCount_andEmptyTextHasNoLine)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(DecoupeLignes(""), V{});
    EXPECT_EQ(DecoupeLignes("a\n\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(DecoupeLignes("a\r\n\r\n"), (V{"a", ""}));
    EXPECT_EQ(DecoupeLignes("  \n\t\n"), (V{"  ", "\t"}));
}

TEST(CompteLignes, countsTheLinesThatDecoupeLignesMakes)
{
    for (const char *texte : {"", "a", "\n", "\r", "\r\n", "\n\r", "a\r\nb\nc\rd", "a\r\r\nb",
                              "a\n\rb", "a\rb\r", "a\r\n\r\n", "\n\n\n", "  \n\t\n"})
        EXPECT_EQ(CompteLignes(texte), std::int64_t(DecoupeLignes(texte).size()))
            << '"' << texte << '"';
}

TEST(EnTeteCompatible, tabSeparatedColumnNames_areAccepted)
{
    EXPECT_TRUE(EnTeteCompatible("x\tR\tG\tB"));
    EXPECT_TRUE(EnTeteCompatible("lambda\tR\tG\tB"));
    EXPECT_TRUE(EnTeteCompatible("x\tr\tg\tb")) << "the check works on the upper-cased header";
    EXPECT_TRUE(EnTeteCompatible("nm\tRouge\tGreen\tBleu"));
    EXPECT_TRUE(EnTeteCompatible("xRGB\t\t\t")) << "letters and tabs may stand anywhere";
}

TEST(EnTeteCompatible, otherSeparatorsOrTabCountsOrMissingLetters_areRejected)
{
    for (const char *entete : {"x;R;G;B", "x,R,G,B", "x R G B", "x\tR\tG\tB\tY", "x\tR\tG",
                               "nm\tR\tV\tB", "x\tR\t\tB", ""})
        EXPECT_FALSE(EnTeteCompatible(entete)) << '"' << entete << '"';
}
