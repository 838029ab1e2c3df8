// SPDX-License-Identifier: MIT

// The Word file of a report, written and compressed into its ZIP container
// in memory: a sample of headings, paragraphs, three tables of 20 rows and
// two figures, and the calculation report of a 20-layer project.
#include <benchmark/benchmark.h>

#include "app/calculation_report/sample_document.h"
#include "app/calculation_report/word_document.h"
#include "twenty_layer_report.h"

namespace {

pali::doc::Document TwentyRowReport()
{
    pali::doc::Document document = pali::doc::sample::SampleDocument(20, 2);
    const pali::doc::Document tables = pali::doc::sample::SampleDocument(20, 0);
    document.blocks.insert(document.blocks.end(), tables.blocks.begin(), tables.blocks.end());
    document.blocks.insert(document.blocks.end(), tables.blocks.begin(), tables.blocks.end());
    return document;
}

void BM_WordDocument(benchmark::State& run)
{
    const pali::doc::Document document = TwentyRowReport();
    for (auto _ : run) {
        benchmark::DoNotOptimize(pali::doc::WordDocument(document).data());
    }
}
BENCHMARK(BM_WordDocument)->Unit(benchmark::kMillisecond);

void BM_WordDocumentTwentyLayers(benchmark::State& run)
{
    const pali::doc::Document document = pali::bench::TwentyLayerReport();
    for (auto _ : run) {
        benchmark::DoNotOptimize(pali::doc::WordDocument(document).data());
    }
}
BENCHMARK(BM_WordDocumentTwentyLayers)->Unit(benchmark::kMillisecond);

}  // namespace
