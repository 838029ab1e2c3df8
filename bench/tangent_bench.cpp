// SPDX-License-Identifier: MIT

// The program's own correctly rounded tangent against the C library's, on
// the friction angles 0.00 to 60.00 degrees by 0.01 in radians as the
// calculation forms them, and on doubles of every exponent.
#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "core/maths/correctly_rounded_tan.h"

namespace {

std::vector<double> FrictionAngles()
{
    std::vector<double> radians;
    for (int hundredths = 0; hundredths <= 6000; ++hundredths) {
        radians.push_back(((hundredths / 100.0) * 3.14) / 180.0);
    }
    return radians;
}

std::vector<double> DoublesOfEveryExponent()
{
    std::mt19937_64 bits(18);
    std::vector<double> doubles;
    while (doubles.size() < 6001) {
        const double x = std::bit_cast<double>(bits());
        if (std::isfinite(x)) {
            doubles.push_back(x);
        }
    }
    return doubles;
}

template <double (*Tangent)(double)>
void TangentOf(benchmark::State& run, const std::vector<double>& arguments)
{
    for (auto _ : run) {
        for (double x : arguments) {
            benchmark::DoNotOptimize(Tangent(x));
        }
    }
    run.counters["per_tangent"] =
        benchmark::Counter(static_cast<double>(arguments.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

double CLibraryTan(double x)
{
    return std::tan(x);
}

void BM_OwnTanFrictionAngles(benchmark::State& run)
{
    TangentOf<pali::CorrectlyRoundedTan>(run, FrictionAngles());
}
void BM_CLibraryTanFrictionAngles(benchmark::State& run)
{
    TangentOf<CLibraryTan>(run, FrictionAngles());
}
void BM_OwnTanEveryExponent(benchmark::State& run)
{
    TangentOf<pali::CorrectlyRoundedTan>(run, DoublesOfEveryExponent());
}
void BM_CLibraryTanEveryExponent(benchmark::State& run)
{
    TangentOf<CLibraryTan>(run, DoublesOfEveryExponent());
}
BENCHMARK(BM_OwnTanFrictionAngles);
BENCHMARK(BM_CLibraryTanFrictionAngles);
BENCHMARK(BM_OwnTanEveryExponent);
BENCHMARK(BM_CLibraryTanEveryExponent);

}  // namespace
