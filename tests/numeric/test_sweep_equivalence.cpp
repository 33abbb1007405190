// SPDX-License-Identifier: GPL-3.0-or-later
// The fast sweep against the straightforward row by sample loop, value by value.
#include "BalayageReference.h"
#include "MichelLevySpectre/interference/Interferences.h"
#include "aides_tests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {

// On the 0..255 scale. Past about 1024 rad the reference's own rounding of a phase φ,
// 2⁻⁵³ × |φ|, dominates: the fast sweep may then differ by a few times that, φ the row's
// largest phase in white light, the table's in monochromatic light, which scales every row by
// the table's largest sum.
constexpr double tolerance = 1e-9;
constexpr double foisArrondiPhase = 4.0;
constexpr auto Blanche = ModeLumiere::Blanche;
constexpr auto Mono = ModeLumiere::Monochromatique;

double poids(std::mt19937_64 &g) { return std::uniform_real_distribution<double>(0, 1)(g); }

std::int32_t entre(std::mt19937_64 &g, std::int32_t a, std::int32_t b)
{
    return std::uniform_int_distribution<std::int32_t>(a, b)(g);
}

// 400..800 nm with random weights; about one row in twenty left unfilled (x = 0, no colour).
Tab_RetardCouleur arcAleatoire(std::mt19937_64 &g)
{
    Tab_RetardCouleur t(EchantillonsSpectre);
    for (std::int32_t k = 0; k < EchantillonsSpectre; ++k)
        if (entre(g, 0, 19) != 0)
            t[k] = {LambdaMin + k, poids(g), poids(g), poids(g)};
    return t;
}

// The same, dark outside a band of 1 to 41 nm, as monochromatic light cuts it.
Tab_RetardCouleur bandeAleatoire(std::mt19937_64 &g)
{
    Tab_RetardCouleur t = arcAleatoire(g);
    const std::int32_t centre = entre(g, LambdaMin, LambdaMax), demi = entre(g, 0, 20);
    for (RetardCouleur &e : t)
        if (std::abs(e.x - centre) > demi)
            e.R = e.G = e.B = 0;
    return t;
}

// Wavelengths anywhere from 1 to 5000 nm in any order (phases far beyond the visible ones),
// and x = 0 rows that carry a colour, which both sweeps must ignore.
Tab_RetardCouleur longueursQuelconques(std::mt19937_64 &g)
{
    Tab_RetardCouleur t(EchantillonsSpectre);
    for (RetardCouleur &e : t)
        e = {entre(g, 0, 9) == 0 ? 0 : entre(g, 1, 5000), poids(g), poids(g), poids(g)};
    return t;
}

// Largest phase per nanometre of retardation among the samples that the sweeps read.
double phaseParNm(const Tab_RetardCouleur &spectre)
{
    double p = 0;
    for (const RetardCouleur &e : spectre)
        if (e.x != 0)
            p = std::max(p, std::abs(PhaseRetard(1, e.x)));
    return p;
}

double ecartPermis(double phase)
{
    return std::max(tolerance, foisArrondiPhase * std::ldexp(phase, -53) * 255);
}

// Runs both sweeps on tables of the given length and compares every row, the ones that the
// sweep must leave alone included.
void compare(const Tab_RetardCouleur &spectre, std::int32_t fin, std::int32_t pas_,
             std::size_t lignes, ModeLumiere mode, std::int32_t debut)
{
    SCOPED_TRACE(::testing::Message()
                 << "debut " << debut << ", fin " << fin << ", pas " << pas_ << ", " << lignes
                 << " rows, " << (mode == Mono ? "mono" : "white"));
    Tab_RetardCouleur attendu(lignes, Temoin()), obtenu(lignes, Temoin());
    CalculInterferencesReference(debut, fin, pas_, spectre, attendu, mode);
    CalculInterferences(debut, fin, pas_, spectre, obtenu, mode);
    const double parNm = phaseParNm(spectre);
    double retardTable = 0;
    for (const RetardCouleur &a : attendu)
        retardTable = std::max(retardTable, std::abs(double(a.x)));
    for (std::size_t i = 0; i < lignes; ++i) {
        const RetardCouleur &a = attendu[i], &o = obtenu[i];
        const double ecart =
            std::max({std::abs(o.R - a.R), std::abs(o.G - a.G), std::abs(o.B - a.B)});
        const double retard = mode == Mono ? retardTable : std::abs(double(a.x));
        if (o.x != a.x || !(ecart <= ecartPermis(retard * parNm))) {
            ADD_FAILURE() << "row " << i << ": expected (" << a.x << ", " << a.R << ", " << a.G
                          << ", " << a.B << "), got (" << o.x << ", " << o.R << ", " << o.G << ", "
                          << o.B << ")";
            return;
        }
    }
}

// The start only enters the row count.
void compareDeuxModes(const Tab_RetardCouleur &spectre, std::int32_t fin, std::int32_t pas_,
                      std::size_t lignes, std::int32_t debut = 0)
{
    compare(spectre, fin, pas_, lignes, Blanche, debut);
    compare(spectre, fin, pas_, lignes, Mono, debut);
}

std::size_t lignesDe(std::int32_t fin, std::int32_t pas_)
{
    return static_cast<std::size_t>(fin / pas_ + 1);
}

} // namespace

TEST(SweepEquivalence, randomSpectraRetardationsAndSteps)
{
    std::mt19937_64 g(20240501);
    for (int cas = 0; cas < 40; ++cas) {
        const Tab_RetardCouleur spectre = cas % 2 ? arcAleatoire(g) : bandeAleatoire(g);
        const std::int32_t fin = entre(g, 0, 50000), pas_ = entre(g, 1, 600);
        compareDeuxModes(spectre, fin, pas_, lignesDe(fin, pas_));
    }
}

TEST(SweepEquivalence, smallStepsUpToTheLongestTable)
{
    std::mt19937_64 g(7);
    compareDeuxModes(arcAleatoire(g), 50000, 1, 50001);
    for (std::int32_t pas_ = 2; pas_ <= 9; ++pas_) {
        const std::int32_t fin = entre(g, 0, 50000);
        compareDeuxModes(bandeAleatoire(g), fin, pas_, lignesDe(fin, pas_));
    }
}

TEST(SweepEquivalence, wavelengthsFarOutsideTheVisible)
{
    std::mt19937_64 g(1789);
    for (int cas = 0; cas < 12; ++cas) {
        const std::int32_t fin = entre(g, 0, 50000), pas_ = entre(g, 1, 600);
        compareDeuxModes(longueursQuelconques(g), fin, pas_, lignesDe(fin, pas_));
    }
    compareDeuxModes(longueursQuelconques(g), 50000, 3, lignesDe(50000, 3));
}

// One to three samples of 1 to 20 nm: phases up to 300,000 rad, where the reference's own
// rounding of the phase is large and a single sample is not averaged with others.
TEST(SweepEquivalence, fewVeryShortWavelengths)
{
    std::mt19937_64 g(1492);
    for (int cas = 0; cas < 30; ++cas) {
        Tab_RetardCouleur spectre(static_cast<std::size_t>(entre(g, 1, 3)));
        for (RetardCouleur &e : spectre)
            e = {entre(g, 1, 20), poids(g), poids(g), poids(g)};
        const std::int32_t pas_ = entre(g, 1, 600);
        compareDeuxModes(spectre, 50000, pas_, lignesDe(50000, pas_));
    }
}

// A table shorter than the sweep stops it; a longer one gets one row past the count and keeps
// the rest untouched.
TEST(SweepEquivalence, tablesShorterOrLongerThanTheSweep)
{
    std::mt19937_64 g(42);
    for (int cas = 0; cas < 30; ++cas) {
        const std::int32_t fin = entre(g, 0, 50000), pas_ = entre(g, 1, 600);
        const auto complet = static_cast<std::int32_t>(lignesDe(fin, pas_));
        const std::int32_t lignes = cas % 3 ? entre(g, 1, complet) : complet + entre(g, 1, 5);
        compareDeuxModes(arcAleatoire(g), fin, pas_, static_cast<std::size_t>(lignes));
    }
    compareDeuxModes(arcAleatoire(g), 5000, 10, 0);
}

// A few rows at phases far below one turn: the monochromatic maximum is then tiny and the
// scaling magnifies any last-bit difference in the weights.
TEST(SweepEquivalence, shortTablesAtSmallPhases)
{
    std::mt19937_64 g(5);
    for (int cas = 0; cas < 20; ++cas) {
        Tab_RetardCouleur spectre(static_cast<std::size_t>(entre(g, 1, 5)));
        for (RetardCouleur &e : spectre)
            e = {entre(g, 400, 50000), poids(g), poids(g), poids(g)};
        const std::int32_t pas_ = entre(g, 1, 3);
        compareDeuxModes(spectre, 50000, pas_, static_cast<std::size_t>(entre(g, 2, 12)));
    }
}

// Negative steps sweep negative retardations, or nothing when the end lies the other way;
// a step of 0 puts every row at retardation 0.
TEST(SweepEquivalence, negativeAndZeroSteps)
{
    std::mt19937_64 g(3);
    for (int cas = 0; cas < 10; ++cas) {
        const std::int32_t fin = entre(g, -50000, 0), pas_ = entre(g, -600, -1);
        compareDeuxModes(arcAleatoire(g), fin, pas_, lignesDe(fin, pas_));
    }
    compareDeuxModes(arcAleatoire(g), 3000, -10, 301);
    compareDeuxModes(arcAleatoire(g), 3000, 0, 40);
}

// Retardations far past 1024 rad: any maximum up to the 32-bit limit, either sign, over a few
// thousand rows, the longest table (1,000,000 rows by 1 nm, a few samples keeping the
// reference quick), and the whole 32-bit range in 1,001 rows.
TEST(SweepEquivalence, largeRetardationsUpToTheIntegerRange)
{
    std::mt19937_64 g(65536);
    const std::int32_t plusGrand = std::numeric_limits<std::int32_t>::max();
    for (int cas = 0; cas < 16; ++cas) {
        const std::int32_t fin = entre(g, 100'000, plusGrand);
        const std::int32_t pas_ = std::max(1, fin / entre(g, 200, 4000));
        const Tab_RetardCouleur spectre = cas % 2 ? arcAleatoire(g) : bandeAleatoire(g);
        const std::int32_t signe = cas % 4 == 3 ? -1 : 1; // negative retardations too
        compareDeuxModes(spectre, signe * fin, signe * pas_, lignesDe(fin, pas_));
    }
    Tab_RetardCouleur quelques(3);
    for (RetardCouleur &e : quelques)
        e = {entre(g, LambdaMin, LambdaMax), poids(g), poids(g), poids(g)};
    compareDeuxModes(quelques, 999'999, 1, 1'000'000);
    compareDeuxModes(arcAleatoire(g), plusGrand, plusGrand / 1000, 1001);
}

// Past the 32-bit range the retardation stays at its largest value; a start far below 0 makes
// the row count reach there. Kilometre-long wavelengths keep the phase small.
TEST(SweepEquivalence, retardationsHeldAtTheIntegerRange)
{
    std::mt19937_64 g(11);
    Tab_RetardCouleur spectre(40);
    for (RetardCouleur &e : spectre)
        e = {entre(g, 1'000'000'000, std::numeric_limits<std::int32_t>::max()), poids(g), poids(g),
             poids(g)};
    const std::int32_t debut = std::numeric_limits<std::int32_t>::min();
    const std::int32_t fin = std::numeric_limits<std::int32_t>::max();
    compareDeuxModes(spectre, fin, 60'000'000, 80, debut);
    compareDeuxModes(spectre, fin, 600'000'000, 12, debut);
}
