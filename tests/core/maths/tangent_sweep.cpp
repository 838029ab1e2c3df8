// SPDX-License-Identifier: MIT

// The long check of the tangent against GNU MPFR, run once by scripts/test:
//   tangent_sweep [random doubles, default 10000000]
// Every friction angle from -90 to 90 degrees by 0.001, the random doubles
// over every exponent and both signs, 2 million arguments next to multiples
// of pi/4, the extremes, 200 000 subnormals and the small arguments made to
// come next to midpoints. Fails on any misrounded result.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "mpfr_tangent.h"

namespace {

std::size_t CheckSet(const char* name, const std::vector<double>& arguments)
{
    const auto start = std::chrono::steady_clock::now();
    const std::vector<double> misrounded = pali::reference::Misrounded(arguments);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%-40s %10zu arguments, %zu misrounded, %.1f s\n", name, arguments.size(), misrounded.size(),
                seconds.count());
    for (double x : misrounded) {
        std::printf("  misrounded: %a\n", x);
    }
    return misrounded.size();
}

}  // namespace

int main(int argc, char** argv)
{
    const std::size_t randomCount = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10000000;
    std::size_t misrounded = 0;
    misrounded += CheckSet("friction angles -90..90 by 0.001", pali::reference::ProgramAngles());
    misrounded += CheckSet("extremes", pali::reference::Extremes());
    misrounded += CheckSet("subnormals", pali::reference::Subnormals(100000, 6));
    misrounded += CheckSet("small arguments next to midpoints", pali::reference::SmallArgumentsNextToMidpoints());
    misrounded += CheckSet("next to multiples of pi/4", pali::reference::NearMultiplesOfQuarterPi(200000, 5));
    misrounded += CheckSet("random doubles", pali::reference::RandomDoubles(randomCount, 2027));
    std::printf("%s\n", misrounded == 0 ? "no misrounded tangent" : "MISROUNDED TANGENTS");
    return misrounded == 0 ? 0 : 1;
}
