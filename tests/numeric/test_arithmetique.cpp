// SPDX-License-Identifier: GPL-3.0-or-later
#include "MichelLevySpectre/Arithmetique.h"
#include "MichelLevySpectre/Erreur.h"
#include "MichelLevySpectre/couleurs/CodesCouleur.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

TEST(LitEntier, acceptedForms)
{
    EXPECT_EQ(LitEntier("42", 0), 42);
    EXPECT_EQ(LitEntier("   42", 0), 42);
    EXPECT_EQ(LitEntier("+7", 0), 7);
    EXPECT_EQ(LitEntier("-0", 5), 0);
    EXPECT_EQ(LitEntier("$1F", 0), 31);
    EXPECT_EQ(LitEntier("x1F", 0), 31);
    EXPECT_EQ(LitEntier("X1f", 0), 31);
    EXPECT_EQ(LitEntier("0x1f", 0), 31);
    EXPECT_EQ(LitEntier("0X1F", 0), 31);
    EXPECT_EQ(LitEntier("-$1F", 0), -31);
    EXPECT_EQ(LitEntier("2147483647", 0), 2147483647);
    EXPECT_EQ(LitEntier("-2147483648", 0), INT32_MIN);
    EXPECT_EQ(LitEntier("-$80000000", 0), INT32_MIN);
}

TEST(LitEntier, rejectedFormsGiveTheDefault)
{
    for (const char *texte : {"", " ", "abc", "3000 ", "12a", "2147483648", "-2147483649", "$",
                              "0x", "+", "-", "1.5", "$80000000", "\t5", "99999999999999999999"})
        EXPECT_EQ(LitEntier(texte, 2000), 2000) << '"' << texte << '"';
}

TEST(LitEntierStrict, failsWithTheConversionMessage)
{
    EXPECT_EQ(LitEntierStrict(" 12"), 12);
    try {
        LitEntierStrict("abc");
        FAIL() << "no failure";
    } catch (const Erreur &e) {
        EXPECT_STREQ(e.what(), "'abc' n'est pas une valeur entière correcte.");
    }
}

TEST(Arrondis, halvesToEvenAndListingHalvesAwayFromZero)
{
    EXPECT_EQ(ArrondiPair(2.5), 2);
    EXPECT_EQ(ArrondiPair(3.5), 4);
    EXPECT_EQ(ArrondiPair(-2.5), -2);
    EXPECT_EQ(ArrondiPair(127.5), 128);
    EXPECT_EQ(ArrondiPair(126.5), 126);
    EXPECT_EQ(ArrondiPair(1e300), INT64_MAX);
    EXPECT_EQ(ArrondiPair(-1e300), INT64_MIN);
    EXPECT_EQ(ArrondiPair(std::nan("")), 0);
    EXPECT_EQ(FormatFixe(126.5), "127");
    EXPECT_EQ(FormatFixe(125.5), "126");
    EXPECT_EQ(FormatFixe(2.4999), "2");
    EXPECT_EQ(FormatFixe(-0.2), "0");
    EXPECT_EQ(FormatFixe(-1.5), "-2");
}

TEST(CouleurValeur, redInTheLowByte)
{
    EXPECT_EQ(CouleurValeur(255, 0, 0), 255u);
    EXPECT_EQ(CouleurValeur(0, 128, 0), 32768u);
    EXPECT_EQ(CouleurValeur(0, 0, 255), 16711680u);
    EXPECT_EQ(CouleurValeur(255, 255, 0), 65535u);
    EXPECT_EQ(CouleurValeur(256 + 3, 0, 0), 3u);
    EXPECT_EQ((std::array{Rouge, Vert, Bleu, Jaune}),
              (std::array{255u, 32768u, 16711680u, 65535u}));
}
