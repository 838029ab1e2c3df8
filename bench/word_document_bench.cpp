// SPDX-License-Identifier: MIT

// The Word file of a report: headings, paragraphs, three tables of 20 rows
// and two figures, written and compressed into its ZIP container in memory.
#include <benchmark/benchmark.h>

#include "app/calculation_report/sample_document.h"
#include "app/calculation_report/word_document.h"

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

}  // namespace
