// SPDX-License-Identifier: MIT

// The calculation report of a 20-layer project as a PDF: every page laid out,
// its text measured and set in the embedded fonts, the two figures drawn, on
// Qt's offscreen platform as the command line writes it.
#include <benchmark/benchmark.h>

#include "qt/report_pdf.h"
#include "twenty_layer_report.h"

namespace {

void BM_ReportPdfTwentyLayers(benchmark::State& run)
{
    const pali::doc::Document document = pali::bench::TwentyLayerReport();
    for (auto _ : run) {
        benchmark::DoNotOptimize(pali::ReportPdf(document).data());
    }
}
BENCHMARK(BM_ReportPdfTwentyLayers)->Unit(benchmark::kMillisecond);

}  // namespace
