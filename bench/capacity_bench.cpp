// One CALCOLA PORTANZA over a full table of 20 layers, without a window.
#include <benchmark/benchmark.h>

#include "calc/bearing_capacity.h"

namespace {

void FillTwentyLayers(pali::FormContents& form, pali::ProjectState& state)
{
    form[pali::Box::A] = "60";
    form[pali::Box::B] = "24,5";
    form[pali::Box::C] = "20";
    form[pali::Box::K1] = "25";
    form[pali::Box::CP] = "50";
    form[pali::Box::CPNS] = "10,5";
    form[pali::Box::CV] = "20";
    form[pali::Box::M5] = "4";
    for (std::int32_t row = 1; row <= 20; ++row) {
        state.ANG[row] = 28.0 + 0.5 * row;
        state.LUNG[row] = 1.25;
        state.PESO[row] = 1.8 + 0.01 * row;
        state.KLAT[row] = 1.0;
    }
}

void BM_BearingCapacityTwentyLayers(benchmark::State& run)
{
    pali::FormContents entered;
    pali::ProjectState stored;
    FillTwentyLayers(entered, stored);
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
