// SPDX-License-Identifier: MIT

// The design check over a full table of 20 layers: Nq from the table and
// CALCOLA PORTANZA under all three combinations, on copies.
#include <benchmark/benchmark.h>

#include "core/check/design_check.h"
#include "twenty_layers.h"

namespace {

void BM_DesignCheckTwentyLayers(benchmark::State& run)
{
    pali::FormContents form;
    pali::ProjectState state;
    pali::bench::EnterTwentyLayers(form, state);
    const pali::NumberFormat format = pali::NumberFormat::Comma();
    for (auto _ : run) {
        benchmark::DoNotOptimize(pali::CheckDesign(form, state, "3", format));
    }
}
BENCHMARK(BM_DesignCheckTwentyLayers);

}  // namespace
