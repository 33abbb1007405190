// SPDX-License-Identifier: GPL-3.0-or-later
#include "BalayageReference.h"
#include "MichelLevySpectre/couleurs/EcartsCouleur.h"
#include "MichelLevySpectre/interference/Interferences.h"
#include "MichelLevySpectre/optique/GrainPlatine.h"
#include "MichelLevySpectre/recherche/LameLambda.h"
#include "MichelLevySpectre/recherche/RechercheTeinte.h"
#include "MichelLevySpectre/spectra/ArcEnCiel.h"

#include <benchmark/benchmark.h>

namespace {

using Balayage = void (*)(std::int32_t, std::int32_t, std::int32_t, std::span<const RetardCouleur>,
                          Tab_RetardCouleur &, ModeLumiere);

Tab_RetardCouleur arcEnCiel()
{
    Tab_RetardCouleur t(EchantillonsSpectre);
    CalculArcEnCiel(t);
    return t;
}

// Args: retard_max, pas. The whole computed rainbow (401 samples) in either light mode.
void balaye(benchmark::State &etat, Balayage balayage, ModeLumiere mode)
{
    const Tab_RetardCouleur spectre = arcEnCiel();
    const auto fin = static_cast<std::int32_t>(etat.range(0));
    const auto pas_ = static_cast<std::int32_t>(etat.range(1));
    Tab_RetardCouleur table(static_cast<std::size_t>(fin / pas_ + 1));
    for (auto _ : etat) {
        balayage(0, fin, pas_, spectre, table, mode);
        benchmark::DoNotOptimize(table.data());
        benchmark::ClobberMemory();
    }
    etat.counters["lignes"] = static_cast<double>(table.size());
}

// The straightforward loop, kept as the yardstick: bench.sh divides by it.
void BM_CalculInterferencesReference(benchmark::State &etat, ModeLumiere mode)
{
    balaye(etat, CalculInterferencesReference, mode);
}

void BM_CalculInterferences(benchmark::State &etat, ModeLumiere mode)
{
    balaye(etat, CalculInterferences, mode);
}

// 501 rows (the start-up table), 3,126 (Enter on 50000) and 50,001 (50000 by 1).
void tailles(benchmark::internal::Benchmark *b)
{
    b->Args({3000, 6})->Args({50000, 16})->Args({50000, 1})->Unit(benchmark::kMillisecond);
}

// The same and 1,000,000 rows (999999 by 1), past 1024 rad from about 65,000 nm on; the
// reference would take seconds there.
void taillesRapides(benchmark::internal::Benchmark *b)
{
    tailles(b);
    b->Args({999999, 1});
}

BENCHMARK_CAPTURE(BM_CalculInterferencesReference, blanche, ModeLumiere::Blanche)->Apply(tailles);
BENCHMARK_CAPTURE(BM_CalculInterferences, blanche, ModeLumiere::Blanche)->Apply(taillesRapides);
BENCHMARK_CAPTURE(BM_CalculInterferencesReference, monochromatique, ModeLumiere::Monochromatique)
    ->Apply(tailles);
BENCHMARK_CAPTURE(BM_CalculInterferences, monochromatique, ModeLumiere::Monochromatique)
    ->Apply(taillesRapides);

// One colour against the reference colours, 0 to 6000 nm at 1 nm, each as the camera shows it at
// its best exposure, then the minima: at most 5 ms; a saturated channel takes the same path.
void BM_RechercheTeinte(benchmark::State &etat)
{
    const std::vector<RgbLineaire> reference = ReferenceTeintes({});
    const GrainPhotographie grain = LitGrain(SrgbVersLineaire({70, 110, 255}));
    for (auto _ : etat)
        benchmark::DoNotOptimize(RechercheTeinte(reference, grain));
}
BENCHMARK(BM_RechercheTeinte)->Unit(benchmark::kMillisecond);

// Two photographs of a pale grain, without and with the λ plate, fitted together: at most 10 ms.
void BM_RechercheAvecLambda(benchmark::State &etat)
{
    const std::vector<RgbLineaire> reference = ReferenceTeintes({});
    const GrainPhotographie sans = LitGrain(SrgbVersLineaire({150, 150, 145}));
    const GrainPhotographie avec = LitGrain(SrgbVersLineaire({60, 110, 200}));
    for (auto _ : etat)
        benchmark::DoNotOptimize(RechercheAvecLambda(reference, sans, avec));
}
BENCHMARK(BM_RechercheAvecLambda)->Unit(benchmark::kMillisecond);

// The rotating stage under the halogen lamp with the λ plate: one step of the stage (Jones over
// the spectrum, then the colour) at most 0.5 ms; the polar plot's full turn at most 50 ms.
void BM_PasPlatine(benchmark::State &etat)
{
    const LumierePlatine lumiere = PrepareLumierePlatine({SourceLumineuse::Halogene});
    MontagePlatine montage{830, 0, RetardLameTeinteSensible, true};
    for (auto _ : etat) {
        montage.angleGrain = montage.angleGrain >= 359 ? 0 : montage.angleGrain + 1;
        benchmark::DoNotOptimize(VoitPlatine(lumiere, montage));
    }
}
BENCHMARK(BM_PasPlatine)->Unit(benchmark::kMicrosecond);

void BM_TourPlatine(benchmark::State &etat)
{
    const LumierePlatine lumiere = PrepareLumierePlatine({SourceLumineuse::Halogene});
    for (auto _ : etat)
        benchmark::DoNotOptimize(
            LuminositesTour(lumiere, {830, 20, RetardLameTeinteSensible, true}));
}
BENCHMARK(BM_TourPlatine)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
