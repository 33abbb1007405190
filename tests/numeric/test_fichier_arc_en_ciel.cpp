// SPDX-License-Identifier: GPL-3.0-or-later
#include "aides_tests.h"

#include "MichelLevySpectre/listes/TextesListes.h"
#include "MichelLevySpectre/spectra/FichierArcEnCiel.h"
#include "MichelLevySpectre/spectra/TexteChamps.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Lignes = std::vector<std::string>;

struct Valeurs {
    int r, g, b;
};

// Distinct values for every data line b (1-based), so a slot tells which line filled it.
Valeurs valeursDeLigne(int b) { return {b % 256, b / 256, 255 - b % 256}; }

Lignes fichier(
    int donnees, const std::function<int(int)> &longueurOnde = [](int b) { return 399 + b; })
{
    Lignes l{"x\tR\tG\tB"};
    for (int b = 1; b <= donnees; ++b) {
        const Valeurs v = valeursDeLigne(b);
        l.push_back(std::to_string(longueurOnde(b)) + '\t' + std::to_string(v.r) + '\t' +
                    std::to_string(v.g) + '\t' + std::to_string(v.b));
    }
    return l;
}

void expectLigneDeDonnees(const RetardCouleur &e, std::int32_t x, int b)
{
    const Valeurs v = valeursDeLigne(b);
    ExpectLigne(e, x, v.r / 255.0, v.g / 255.0, v.b / 255.0, 0.0);
}

// The slot that one data line fills, read from a standard-sized call.
RetardCouleur caseUnique(const std::string &ligneDeDonnees)
{
    Tab_RetardCouleur t(2, Temoin());
    EXPECT_TRUE(RemplitArcEnCiel({"x\tR\tG\tB", ligneDeDonnees, "2\t0\t0\t0"}, 400, 401, t));
    return t[0];
}

} // namespace

TEST(RemplitArcEnCiel, standardFile_fillsEverySlotWithItsWavelengthAndShares)
{
    Tab_RetardCouleur t(EchantillonsSpectre);
    ASSERT_TRUE(RemplitArcEnCiel(fichier(EchantillonsSpectre), LambdaMin, LambdaMax, t));
    ASSERT_EQ(t.size(), 401u);
    for (int k = 0; k <= 400; ++k) {
        SCOPED_TRACE(k);
        expectLigneDeDonnees(t[k], 400 + k, k + 1);
    }
}

TEST(RemplitArcEnCiel, wavelengthColumn_isIgnored)
{
    Tab_RetardCouleur compte(EchantillonsSpectre), zeros(401);
    ASSERT_TRUE(RemplitArcEnCiel(fichier(EchantillonsSpectre), LambdaMin, LambdaMax, compte));
    ASSERT_TRUE(RemplitArcEnCiel(fichier(EchantillonsSpectre, [](int) { return 0; }), LambdaMin,
                                 LambdaMax, zeros));
    for (int k = 0; k <= 400; ++k)
        ExpectMemeLigne(zeros[k], compte[k]);
}

TEST(RemplitArcEnCiel, fewerLinesThanSlots_leavesUnreachedSlotsUnwritten)
{
    Tab_RetardCouleur t(401, Temoin());
    ASSERT_TRUE(RemplitArcEnCiel(fichier(201), LambdaMin, LambdaMax, t));
    for (int k = 0; k <= 400; ++k) {
        SCOPED_TRACE(k);
        if (k % 2 == 0)
            expectLigneDeDonnees(t[k], 400 + k, k / 2 + 1);
        else
            ExpectMemeLigne(t[k], Temoin());
    }
}

TEST(RemplitArcEnCiel, moreLinesThanSlots_halvesGoToEvenSlotsAndTheLastLineStays)
{
    EXPECT_EQ(CaseDeLigne(1, 801, 401), 0);
    EXPECT_EQ(CaseDeLigne(2, 801, 401), 0); // 0.5
    EXPECT_EQ(CaseDeLigne(3, 801, 401), 1);
    EXPECT_EQ(CaseDeLigne(4, 801, 401), 2); // 1.5
    EXPECT_EQ(CaseDeLigne(6, 801, 401), 2); // 2.5
    EXPECT_EQ(CaseDeLigne(801, 801, 401), 400);

    Tab_RetardCouleur t(401, Temoin());
    ASSERT_TRUE(RemplitArcEnCiel(fichier(801), LambdaMin, LambdaMax, t));
    expectLigneDeDonnees(t[0], 400, 2);
    expectLigneDeDonnees(t[1], 401, 3);
    expectLigneDeDonnees(t[2], 402, 6);
    expectLigneDeDonnees(t[3], 403, 7);
    expectLigneDeDonnees(t[400], 800, 801);
    for (int k = 0; k <= 400; ++k)
        EXPECT_EQ(t[k].x, 400 + k) << "every slot is reached";
}

TEST(RemplitArcEnCiel, firstAndLastDataLines_alwaysReachTheEndSlots)
{
    for (int donnees : {2, 3, 7, 400, 402, 1000}) {
        SCOPED_TRACE(donnees);
        Tab_RetardCouleur t(401, Temoin());
        EXPECT_EQ(CaseDeLigne(1, donnees, 401), 0);
        EXPECT_EQ(CaseDeLigne(donnees, donnees, 401), 400);
        ASSERT_TRUE(RemplitArcEnCiel(fichier(donnees), LambdaMin, LambdaMax, t));
        if (donnees <= 401) // with more lines, line 2 may share slot 0 and overwrite line 1
            expectLigneDeDonnees(t[0], 400, 1);
        expectLigneDeDonnees(t[400], 800, donnees);
    }
}

TEST(RemplitArcEnCiel, tooFewLinesOrBadHeader_isRejectedAndTableUntouched)
{
    const Lignes rejetes[] = {
        {},
        {"x\tR\tG\tB"},
        {"x\tR\tG\tB", "400\t1\t2\t3"},
        {"x;R;G;B", "400;1;2;3", "401;1;2;3"},
        {"x,R,G,B", "400\t1\t2\t3", "401\t1\t2\t3"},
        {"x R G B", "400\t1\t2\t3", "401\t1\t2\t3"},
        {"x\tR\tG\tB\tA", "400\t1\t2\t3", "401\t1\t2\t3"},
        {"nm\tR\tV\tB", "400\t1\t2\t3", "401\t1\t2\t3"},
    };
    for (const Lignes &lignes : rejetes) {
        SCOPED_TRACE(lignes.empty() ? std::string("(no line)") : lignes[0]);
        Tab_RetardCouleur t(401, Temoin());
        EXPECT_FALSE(RemplitArcEnCiel(lignes, LambdaMin, LambdaMax, t));
        ASSERT_EQ(t.size(), 401u);
        for (const RetardCouleur &e : t)
            ExpectMemeLigne(e, Temoin());
    }
}

TEST(RemplitArcEnCiel, lowerCaseHeader_isAccepted)
{
    Tab_RetardCouleur t(2);
    EXPECT_TRUE(RemplitArcEnCiel({"x\tr\tg\tb", "1\t255\t0\t0", "2\t0\t0\t51"}, 400, 401, t));
    ExpectLigne(t[0], 400, 1, 0, 0, 0.0);
    ExpectLigne(t[1], 401, 0, 0, 0.2, 0.0);
}

TEST(RemplitArcEnCiel, fieldThatIsNotAnInteger_countsAsZero)
{
    ExpectLigne(caseUnique("400\t127.5\tabc\t12abc"), 400, 0, 0, 0, 0.0);
    ExpectLigne(caseUnique("400\t127.5\t51\t 51 "), 400, 0, 0.2, 0.2, 0.0);
}

TEST(RemplitArcEnCiel, valuesAreNotClamped_andHexadecimalIsRead)
{
    ExpectLigne(caseUnique("400\t300\t-51\t$FF"), 400, 300.0 / 255, -0.2, 1, 1e-15);
    ExpectLigne(caseUnique("400\t0x33\t+51\t0"), 400, 0.2, 0.2, 0, 1e-15);
}

TEST(RemplitArcEnCiel, emptyOrBlankSeparatedOrShortLine_givesZeros)
{
    ExpectLigne(caseUnique(""), 400, 0, 0, 0, 0.0);
    ExpectLigne(caseUnique("400 255 255 255"), 400, 0, 0, 0, 0.0);
    ExpectLigne(caseUnique("400"), 400, 0, 0, 0, 0.0);
    ExpectLigne(caseUnique("400\t255"), 400, 1, 0, 0, 0.0);
}

TEST(RemplitArcEnCiel, doubleTab_dropsTheEmptyField)
{
    ExpectLigne(caseUnique("400\t\t255\t0\t0"), 400, 1, 0, 0, 0.0);
}

TEST(RemplitArcEnCiel, targetShorterThanTheSlots_isNeverWrittenPastItsEnd)
{
    Tab_RetardCouleur t(100, Temoin());
    ASSERT_TRUE(RemplitArcEnCiel(fichier(EchantillonsSpectre), LambdaMin, LambdaMax, t));
    ASSERT_EQ(t.size(), 100u);
    expectLigneDeDonnees(t[0], 400, 1);
    expectLigneDeDonnees(t[99], 499, 100);

    Tab_RetardCouleur vide;
    ASSERT_TRUE(RemplitArcEnCiel(fichier(EchantillonsSpectre), LambdaMin, LambdaMax, vide));
    EXPECT_TRUE(vide.empty());
}

TEST(RemplitArcEnCiel, crLfText_readsLikeLfText)
{
    std::string lf, crlf;
    for (const std::string &l : fichier(EchantillonsSpectre)) {
        lf += l + "\n";
        crlf += l + "\r\n";
    }
    Tab_RetardCouleur a(EchantillonsSpectre), b(401);
    ASSERT_TRUE(RemplitArcEnCiel(DecoupeLignes(lf), LambdaMin, LambdaMax, a));
    ASSERT_TRUE(RemplitArcEnCiel(DecoupeLignes(crlf), LambdaMin, LambdaMax, b));
    for (int k = 0; k <= 400; ++k)
        ExpectMemeLigne(b[k], a[k]);
    expectLigneDeDonnees(b[400], 800, 401);
}

TEST(RemplitArcEnCiel, whiteSpectrumListing_readsBackAsTheRoundedSpectrum)
{
    const Tab_RetardCouleur arc = ArcEnCielCalcule();
    Tab_RetardCouleur relu(EchantillonsSpectre);
    ASSERT_TRUE(
        RemplitArcEnCiel(DecoupeLignes(ListeSpectreFichier(arc, 400)), LambdaMin, LambdaMax, relu));
    for (int k = 0; k <= 400; ++k) {
        SCOPED_TRACE(k);
        ExpectLigne(relu[k], 400 + k, Part255(arc[k].R) / 255.0, Part255(arc[k].G) / 255.0,
                    Part255(arc[k].B) / 255.0, 0.0);
    }
}
