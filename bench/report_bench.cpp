// SPDX-License-Identifier: MIT

// Composing the whole report of a calculated 20-layer project, without a printer.
#include <benchmark/benchmark.h>

#include "core/calc/bearing_capacity.h"
#include "core/report/recording_printer.h"
#include "core/report/report_sequence.h"
#include "twenty_layers.h"

namespace {

void BM_ComposeReportTwentyLayers(benchmark::State& run)
{
    const pali::NumberFormat format = pali::NumberFormat::Comma();
    pali::FormContents form;
    pali::ProjectState state;
    pali::bench::EnterTwentyLayers(form, state);
    pali::ComputeBearingCapacity(form, state, format);
    for (auto _ : run) {
        pali::RecordingPrinter printer(format);
        pali::ComposeReport(form, state, printer, format);
        benchmark::DoNotOptimize(printer.lines().data());
    }
}
BENCHMARK(BM_ComposeReportTwentyLayers);

}  // namespace
