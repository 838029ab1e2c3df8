// SPDX-License-Identifier: MIT

// One CALCOLA PORTANZA over a full table of 20 layers, without a window.
#include <benchmark/benchmark.h>

#include "core/calc/bearing_capacity.h"
#include "twenty_layers.h"

namespace {

void BM_BearingCapacityTwentyLayers(benchmark::State& run)
{
    pali::FormContents entered;
    pali::ProjectState stored;
    pali::bench::EnterTwentyLayers(entered, stored);
    const pali::NumberFormat format = pali::NumberFormat::Comma();
    for (auto _ : run) {
        pali::FormContents form = entered;
        pali::ProjectState state = stored;
        pali::ComputeBearingCapacity(form, state, format);
        benchmark::DoNotOptimize(form);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(BM_BearingCapacityTwentyLayers);

}  // namespace
