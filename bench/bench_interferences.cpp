#include "MichelLevySpectre/interference/Interferences.h"
#include "MichelLevySpectre/spectra/ArcEnCiel.h"

#include <benchmark/benchmark.h>

namespace {

Tab_RetardCouleur arcEnCiel()
{
    Tab_RetardCouleur t(401);
    CalculArcEnCiel(t);
    return t;
}

// Args: retard_max, pas (501, 3126 and 50001 rows).
void BM_CalculInterferences(benchmark::State &etat)
{
    const Tab_RetardCouleur spectre = arcEnCiel();
    const auto fin = static_cast<std::int32_t>(etat.range(0));
    const auto pas_ = static_cast<std::int32_t>(etat.range(1));
    Tab_RetardCouleur table(static_cast<std::size_t>(fin / pas_ + 1));
    for (auto _ : etat) {
        CalculInterferences(0, fin, pas_, spectre, table, ModeLumiere::Blanche);
        benchmark::DoNotOptimize(table.data());
    }
    etat.counters["lignes"] = static_cast<double>(table.size());
}
BENCHMARK(BM_CalculInterferences)->Args({3000, 6})->Args({50000, 16})->Args({50000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
