// SPDX-License-Identifier: MIT

// Writes the tangent's tables, from GNU MPFR, to standard output:
//   make_tangent_tables constants    > src/core/maths/tangent_tables.h
//   make_tangent_tables hard-cases   > tests/core/maths/tangent_hard_cases.h
// The hard cases are the arguments, among the program's angles, random
// doubles and near multiples of pi/4, whose tangents come closest to a
// midpoint between two doubles, small arguments made to come closer still,
// the angles the C library gets wrong, the extremes and a few subnormals.

#include <algorithm>
#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include <mpfr.h>

#include "mpfr_tangent.h"

namespace {

using pali::reference::Real;

constexpr int kTwoOverPiWords = 48;
constexpr int kFixedLimbs = 10;  // 9 limbs of fraction and the integer part
constexpr int kNodes = 403;      // tan(i / 512) for i = 0..402, past pi/4

// The next 32 bits after the point of a value in [0, 1), which keeps the rest.
std::uint32_t NextWord(mpfr_ptr fraction)
{
    mpfr_mul_2ui(fraction, fraction, 32, MPFR_RNDN);
    const auto word = static_cast<std::uint32_t>(mpfr_get_ui(fraction, MPFR_RNDZ));
    mpfr_sub_ui(fraction, fraction, word, MPFR_RNDN);
    return word;
}

void PrintWords(const char* name, const std::vector<std::uint32_t>& words)
{
    std::printf("inline constexpr std::array<std::uint32_t, %zu> %s = {", words.size(), name);
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::printf("%s0x%08" PRIX32 ",", i % 6 == 0 ? "\n    " : " ", words[i]);
    }
    std::printf("\n};\n\n");
}

void PrintDoubleDouble(mpfr_ptr value)
{
    Real rest(2000);
    const double hi = mpfr_get_d(value, MPFR_RNDN);
    mpfr_sub_d(rest.get(), value, hi, MPFR_RNDN);
    const double lo = mpfr_get_d(rest.get(), MPFR_RNDN);
    std::printf("{%a, %a}", hi, lo);
}

void PrintConstants()
{
    Real pi(2000);
    Real value(2000);
    mpfr_const_pi(pi.get(), MPFR_RNDN);

    std::printf(
        "// SPDX-License-Identifier: MIT\n\n"
        "#pragma once\n\n"
        "// The tangent's constants, made by tests/core/maths/make_tangent_tables from GNU MPFR\n"
        "// (make_tangent_tables constants > src/core/maths/tangent_tables.h): not to be edited.\n"
        "// clang-format off\n\n"
        "#include <array>\n#include <cstdint>\n\n#include \"core/maths/double_double.h\"\n\n"
        "namespace pali::tangent_tables {\n\n");

    std::vector<std::uint32_t> twoOverPi;
    mpfr_ui_div(value.get(), 2, pi.get(), MPFR_RNDN);
    for (int i = 0; i < kTwoOverPiWords; ++i) {
        twoOverPi.push_back(NextWord(value.get()));
    }
    std::printf("// 2/pi = sum of kTwoOverPi[j] * 2^(-32 (j + 1)), j = 0..%d: %d bits.\n", kTwoOverPiWords - 1,
                32 * kTwoOverPiWords);
    PrintWords("kTwoOverPi", twoOverPi);

    std::vector<std::uint32_t> halfPi(kFixedLimbs);
    mpfr_div_2ui(value.get(), pi.get(), 1, MPFR_RNDN);
    halfPi[kFixedLimbs - 1] = static_cast<std::uint32_t>(mpfr_get_ui(value.get(), MPFR_RNDZ));
    mpfr_sub_ui(value.get(), value.get(), halfPi[kFixedLimbs - 1], MPFR_RNDN);
    for (int i = kFixedLimbs - 2; i >= 0; --i) {
        halfPi[i] = NextWord(value.get());
    }
    std::printf(
        "// pi/2 cut after %d bits of fraction, least significant limb first,\n"
        "// the integer part last.\n",
        32 * (kFixedLimbs - 1));
    PrintWords("kHalfPi", halfPi);

    mpfr_div_2ui(value.get(), pi.get(), 1, MPFR_RNDN);
    std::printf(
        "// pi/2 as a double-double, each half rounded to nearest.\n"
        "inline constexpr dd::DoubleDouble kHalfPiDoubleDouble = ");
    PrintDoubleDouble(value.get());
    std::printf(";\n\n");

    std::printf(
        "// tan(i / 512) for i = 0..%d as double-doubles, each half rounded to nearest:\n"
        "// relative error below 2^-106.\n"
        "inline constexpr std::array<dd::DoubleDouble, %d> kTanOfNodes = {{\n",
        kNodes - 1, kNodes);
    for (int i = 0; i < kNodes; ++i) {
        mpfr_set_ui(value.get(), static_cast<unsigned long>(i), MPFR_RNDN);
        mpfr_div_2ui(value.get(), value.get(), 9, MPFR_RNDN);
        mpfr_tan(value.get(), value.get(), MPFR_RNDN);
        std::printf("    ");
        PrintDoubleDouble(value.get());
        std::printf(",\n");
    }
    std::printf("}};\n\n}  // namespace pali::tangent_tables\n");
}

struct Candidate {
    double argument;
    int hardness;
};

void Collect(std::vector<Candidate>& out, const std::vector<double>& arguments)
{
    for (double x : arguments) {
        out.push_back({x, pali::reference::HardnessBits(x)});
    }
}

std::vector<Candidate> Hardest(std::vector<Candidate> candidates, std::size_t count)
{
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.hardness > b.hardness; });
    candidates.resize(std::min(count, candidates.size()));
    return candidates;
}

// The program's angles from 0 to 60 degrees by 0.01 whose tangent this C
// library gets wrong.
std::vector<double> AnglesTheCLibraryMisrounds()
{
    std::vector<double> out;
    for (int hundredths = 0; hundredths <= 6000; ++hundredths) {
        const double radians = ((hundredths / 100.0) * 3.14) / 180.0;
        if (std::tan(radians) != pali::reference::Tan(radians)) {
            out.push_back(radians);
        }
    }
    return out;
}

void PrintCase(double x, const char* why)
{
    std::printf("    {0x%016" PRIX64 ", 0x%016" PRIX64 "},  // %s %.17g\n", std::bit_cast<std::uint64_t>(x),
                std::bit_cast<std::uint64_t>(pali::reference::Tan(x)), why, x);
}

void PrintHardCases()
{
    std::vector<Candidate> angles;
    Collect(angles, pali::reference::ProgramAngles());
    std::vector<Candidate> others;
    Collect(others, pali::reference::RandomDoubles(1000000, 2026));
    Collect(others, pali::reference::NearMultiplesOfQuarterPi(100000, 4));

    std::printf(
        "// SPDX-License-Identifier: MIT\n\n"
        "#pragma once\n\n"
        "// Arguments of the tangent and their tangents correctly rounded, as bits, made\n"
        "// by tests/core/maths/make_tangent_tables from GNU MPFR (make_tangent_tables\n"
        "// hard-cases > tests/core/maths/tangent_hard_cases.h): not to be edited. The comment\n"
        "// says why each is here: \"hard N\" comes within 2^-(53 + N) ulp or so of a\n"
        "// midpoint between two doubles.\n"
        "// clang-format off\n\n"
        "#include <cstdint>\n\nnamespace pali {\n\n"
        "struct TangentCase {\n    std::uint64_t argument;\n    std::uint64_t tangent;\n};\n\n"
        "inline constexpr TangentCase kTangentHardCases[] = {\n");
    char why[64];
    for (const Candidate& c : Hardest(angles, 100)) {
        std::snprintf(why, sizeof why, "angle, hard %d:", c.hardness);
        PrintCase(c.argument, why);
    }
    for (const Candidate& c : Hardest(others, 400)) {
        std::snprintf(why, sizeof why, "hard %d:", c.hardness);
        PrintCase(c.argument, why);
    }
    for (double x : AnglesTheCLibraryMisrounds()) {
        PrintCase(x, "angle the C library misrounds:");
    }
    for (double x : pali::reference::SmallArgumentsNextToMidpoints()) {
        std::snprintf(why, sizeof why, "small, hard %d:", pali::reference::HardnessBits(x));
        PrintCase(x, why);
    }
    for (double x : pali::reference::Extremes()) {
        PrintCase(x, "extreme:");
    }
    for (double x : pali::reference::Subnormals(10, 18)) {
        PrintCase(x, "subnormal:");
    }
    std::printf("};\n\n}  // namespace pali\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "constants") == 0) {
        PrintConstants();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "hard-cases") == 0) {
        PrintHardCases();
        return 0;
    }
    std::fprintf(stderr, "usage: make_tangent_tables constants|hard-cases\n");
    return 2;
}
