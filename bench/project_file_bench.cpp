// SPDX-License-Identifier: MIT

// Writing and reading project files, without the disk: a computed project of
// 20 layers (a fuller table than the worked example's two), and the same with
// a box of one megabyte. Writing is also what decides whether the project has
// changes, after every edit.
#include <benchmark/benchmark.h>

#include <string>

#include "app/project_file.h"
#include "core/calc/bearing_capacity.h"
#include "twenty_layers.h"

namespace {

pali::Project ComputedProject(std::size_t longBox)
{
    pali::Project project;
    pali::bench::EnterTwentyLayers(project.form, project.state);
    pali::ComputeBearingCapacity(project.form, project.state, pali::NumberFormat::Comma());
    project.form[pali::Box::Z9] = std::string(longBox, '7');
    return project;
}

void BM_WriteProject(benchmark::State& run)
{
    const pali::Project project = ComputedProject(static_cast<std::size_t>(run.range(0)));
    for (auto _ : run) {
        benchmark::DoNotOptimize(pali::WriteProjectFile(project).data());
    }
}
BENCHMARK(BM_WriteProject)->Arg(0)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

void BM_ReadProject(benchmark::State& run)
{
    const std::string bytes = pali::WriteProjectFile(ComputedProject(static_cast<std::size_t>(run.range(0))));
    for (auto _ : run) {
        benchmark::DoNotOptimize(pali::ReadProjectFile(bytes).state.COEFGR);
    }
}
BENCHMARK(BM_ReadProject)->Arg(0)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace
