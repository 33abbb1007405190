// SPDX-License-Identifier: GPL-3.0-or-later
// The interference sweep with any spectrum and any parameters: the table keeps its length,
// rows past the sweep are not touched, row i sits at i × step, every value stays finite,
// and the fast raw sums agree with the straightforward per-row sum.
#include "MichelLevySpectre/interference/BalayageRapide.h"
#include "MichelLevySpectre/interference/Interferences.h"
#include "Verifie.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

const RetardCouleur marqueur{-7, -1.5, -2.5, -3.5};

bool estMarqueur(const RetardCouleur &e)
{
    return e.x == marqueur.x && e.R == marqueur.R && e.G == marqueur.G && e.B == marqueur.B;
}

// A share as the rainbow file gives it: an integer divided by 255, mostly 0..255.
double part(FuzzedDataProvider &d)
{
    const std::int32_t v = d.ConsumeBool() ? d.ConsumeIntegralInRange<std::int32_t>(-300, 300)
                                           : d.ConsumeIntegral<std::int32_t>();
    return v / 255.0;
}

Tab_RetardCouleur spectre(FuzzedDataProvider &d)
{
    Tab_RetardCouleur s(d.ConsumeIntegralInRange<std::size_t>(0, 48));
    for (RetardCouleur &e : s) {
        e.x = d.ConsumeBool() ? d.ConsumeIntegralInRange<std::int32_t>(-1000, 1000)
                              : d.ConsumeIntegral<std::int32_t>();
        e.R = part(d), e.G = part(d), e.B = part(d);
    }
    return s;
}

// Raw sums of the fast sweep against CouleurRetard, row by row, within a bound that scales
// with the spectrum's absolute weights and, past small phases, with the largest phase: the
// reference rounds a phase φ to about 2⁻⁵³ × |φ|.
void verifieSommes(std::int32_t pas_, std::int64_t derniere, const Tab_RetardCouleur &s,
                   ModeLumiere mode)
{
    double echelle = 1e-300, parNm = 0;
    for (const RetardCouleur &e : s)
        if (e.x != 0) {
            echelle += std::abs(e.R) + std::abs(e.G) + std::abs(e.B);
            parNm = std::max(parNm, std::abs(PhaseRetard(1, e.x)));
        }
    Tab_RetardCouleur brutes(std::size_t(derniere + 1));
    SommesBalayage(pas_, derniere, s, brutes, mode);
    for (std::int64_t i = 0; i <= derniere; ++i) {
        const RetardCouleur &l = brutes[std::size_t(i)];
        const CouleurSomme r = CouleurRetard(l.x, s, mode);
        const double borne = echelle * (1e-9 + 4 * std::ldexp(std::abs(double(l.x)) * parNm, -53));
        verifie(std::abs(l.R - r.R) <= borne && std::abs(l.G - r.G) <= borne &&
                    std::abs(l.B - r.B) <= borne,
                "fast raw sums differ from the per-row sum");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider d(data, size);
    const ModeLumiere mode = d.ConsumeBool() ? ModeLumiere::Monochromatique : ModeLumiere::Blanche;
    const auto debut = d.ConsumeIntegral<std::int32_t>();
    const auto fin = d.ConsumeIntegral<std::int32_t>();
    const auto pas_ = d.ConsumeIntegral<std::int32_t>();
    const std::size_t longueur = d.ConsumeIntegralInRange<std::size_t>(0, 2048);
    const Tab_RetardCouleur s = spectre(d);

    Tab_RetardCouleur table(longueur, marqueur);
    CalculInterferences(debut, fin, pas_, s, table, mode);
    verifie(table.size() == longueur, "the table changed length");
    const std::int64_t derniere = DerniereLigne(debut, fin, pas_, longueur);
    verifie(derniere < std::int64_t(longueur), "the sweep goes past the table");
    for (std::size_t i = 0; i < longueur; ++i) {
        const RetardCouleur &l = table[i];
        if (std::int64_t(i) > derniere) {
            verifie(estMarqueur(l), "a row past the sweep was written");
            continue;
        }
        const std::int64_t r = std::int64_t(i) * pas_;
        verifie(l.x == std::clamp<std::int64_t>(r, INT32_MIN, INT32_MAX), "row retardation");
        verifie(std::isfinite(l.R) && std::isfinite(l.G) && std::isfinite(l.B), "finite values");
    }
    if (derniere >= 0)
        verifieSommes(pas_, derniere, s, mode);
    return 0;
}
