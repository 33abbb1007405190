// SPDX-License-Identifier: GPL-3.0-or-later
// A conoscopic figure of 512 × 512 pixels in white light with the λ plate: the goal is 100 ms
// with its tables, and 50 ms without them (a turn of the stage redraws 20 times a second).
#include "MichelLevySpectre/conoscopie/FigureConoscopique.h"

#include <benchmark/benchmark.h>

namespace {

// A biaxial grain on its acute bisectrix, turned off the cross-hairs, in a 30 µm section.
const Grain grain{{1.560, 1.594, 1.600}, {SectionGrain::BissectriceAigue, 0, 30}};

LumiereConoscopie lumiere()
{
    return PrepareLumiereConoscopie({}, RetardLameTeinteSensible,
                                    RetardMaxFigure(grain.indices, Conoscope{}));
}

// Tables and figure, as the command line makes one.
void BM_FigureConoscopique(benchmark::State &etat)
{
    for (auto _ : etat) {
        const ImageFigure f = DessineFigure(lumiere(), grain, {}, 512);
        benchmark::DoNotOptimize(f.rgba.data());
    }
}
BENCHMARK(BM_FigureConoscopique)->Unit(benchmark::kMillisecond);

// The figure alone, as a turn of the stage redraws it.
void BM_FigureConoscopiqueTourne(benchmark::State &etat)
{
    const LumiereConoscopie l = lumiere();
    Grain g = grain;
    for (auto _ : etat) {
        g.orientation.platine += 1;
        const ImageFigure f = DessineFigure(l, g, {}, 512);
        benchmark::DoNotOptimize(f.rgba.data());
    }
}
BENCHMARK(BM_FigureConoscopiqueTourne)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
