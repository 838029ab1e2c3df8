// SPDX-License-Identifier: MIT

// The design check over a full table of 20 layers: Nq from the table and
// CALCOLA PORTANZA under all three combinations, on copies.
#include <benchmark/benchmark.h>

#include "core/check/design_check.h"
#include "core/check/length_curve.h"
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

// The curve of a 1 m pile through 20 layers of 2 m: 400 lengths, each with
// its Nq from the table, under the three combinations.
void BM_LengthCurveTwentyLayersFortyMetres(benchmark::State& run)
{
    pali::FormContents form;
    pali::ProjectState state;
    pali::bench::EnterTwentyLayers(form, state);
    form[pali::Box::A] = "100";
    form[pali::Box::B] = "40";
    for (std::int32_t row = 1; row <= 20; ++row) {
        state.LUNG[row] = 2.0;
    }
    const pali::NumberFormat format = pali::NumberFormat::Comma();
    for (auto _ : run) {
        benchmark::DoNotOptimize(pali::CurveOfLengths(form, state, "3", format));
    }
}
BENCHMARK(BM_LengthCurveTwentyLayersFortyMetres)->Unit(benchmark::kMicrosecond);

}  // namespace
