// SPDX-License-Identifier: MIT

#include "mpfr_tangent.h"

#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include <mpfr.h>

#include "core/maths/correctly_rounded_tan.h"

namespace pali::reference {

namespace {

// Enough for the reduction of the largest double and 200 bits beyond it.
constexpr mpfr_prec_t kWorkingBits = 1400;

void AddNeighbours(std::vector<double>& out, double x, int steps)
{
    double below = x;
    double above = x;
    out.push_back(x);
    for (int i = 0; i < steps; ++i) {
        below = std::nextafter(below, -std::numeric_limits<double>::infinity());
        above = std::nextafter(above, std::numeric_limits<double>::infinity());
        for (double neighbour : {below, above}) {
            if (std::isfinite(neighbour)) {
                out.push_back(neighbour);
            }
        }
    }
}

void AddBothSigns(std::vector<double>& out, double x, int steps)
{
    AddNeighbours(out, x, steps);
    AddNeighbours(out, -x, steps);
}

// The double nearest to k pi/4.
double NearestToMultiple(std::uint64_t k)
{
    Real multiple(200);
    mpfr_const_pi(multiple.get(), MPFR_RNDN);
    mpfr_mul_ui(multiple.get(), multiple.get(), static_cast<unsigned long>(k), MPFR_RNDN);
    mpfr_div_ui(multiple.get(), multiple.get(), 4, MPFR_RNDN);
    return mpfr_get_d(multiple.get(), MPFR_RNDN);
}

}  // namespace

double Tan(double x)
{
    Real t(53);
    mpfr_set_d(t.get(), x, MPFR_RNDN);
    mpfr_tan(t.get(), t.get(), MPFR_RNDN);
    return mpfr_get_d(t.get(), MPFR_RNDN);
}

std::vector<double> Misrounded(const std::vector<double>& arguments)
{
    std::vector<double> out;
    for (double x : arguments) {
        if (std::bit_cast<std::uint64_t>(CorrectlyRoundedTan(x)) != std::bit_cast<std::uint64_t>(Tan(x))) {
            out.push_back(x);
        }
    }
    return out;
}

int HardnessBits(double x)
{
    if (x == 0.0) {
        return 0;
    }
    Real t(kWorkingBits);
    mpfr_set_d(t.get(), x, MPFR_RNDN);
    mpfr_tan(t.get(), t.get(), MPFR_RNDN);
    mpfr_abs(t.get(), t.get(), MPFR_RNDN);
    // t = 2^e * 0.1b2b3..., so t * 2^(53 - e) has the 53 bits of the
    // double before its point and the midpoint bit as its first fraction bit.
    const mpfr_exp_t exponent = mpfr_get_exp(t.get());
    mpfr_mul_2si(t.get(), t.get(), 53 - exponent, MPFR_RNDN);
    mpfr_frac(t.get(), t.get(), MPFR_RNDN);
    mpfr_sub_d(t.get(), t.get(), 0.5, MPFR_RNDN);
    mpfr_abs(t.get(), t.get(), MPFR_RNDN);
    if (mpfr_zero_p(t.get())) {
        return static_cast<int>(kWorkingBits);
    }
    // |fraction - 1/2| = 2^-(1 + n) or so: n bits after the 53rd repeat the midpoint's.
    return static_cast<int>(-mpfr_get_exp(t.get()));
}

std::vector<double> ProgramAngles()
{
    std::vector<double> out;
    for (int thousandths = -90000; thousandths <= 90000; ++thousandths) {
        const double degrees = thousandths / 1000.0;
        out.push_back((degrees * 3.14) / 180.0);
    }
    return out;
}

std::vector<double> RandomDoubles(std::size_t count, std::uint64_t seed)
{
    std::mt19937_64 bits(seed);
    std::vector<double> out;
    out.reserve(count);
    while (out.size() < count) {
        const double x = std::bit_cast<double>(bits());
        if (std::isfinite(x)) {
            out.push_back(x);
        }
    }
    return out;
}

std::vector<double> NearMultiplesOfQuarterPi(std::size_t count, std::uint64_t seed)
{
    std::vector<double> out;
    for (std::uint64_t k = 1; k <= count; ++k) {
        AddBothSigns(out, NearestToMultiple(k), 2);
    }
    std::mt19937_64 bits(seed);
    for (std::size_t i = 0; i < count; ++i) {
        AddBothSigns(out, NearestToMultiple(bits() >> 14), 2);
    }
    return out;
}

std::vector<double> Extremes()
{
    using limits = std::numeric_limits<double>;
    std::vector<double> out;
    const double boundaries[] = {
        limits::max(),
        limits::min(),
        limits::denorm_min(),
        limits::min() - limits::denorm_min(),  // the largest subnormal
        std::ldexp(1.0, -1000),
        std::ldexp(1.0, -27),  // below it, the tangent rounds to the argument
        std::ldexp(1.0, 19),   // from here on, the argument is reduced by the table of 2/pi
        std::ldexp(1.0, 52),
        std::ldexp(1.0, 1023),
        0.78539816339744830962,  // pi/4: the end of the unreduced range
        1.5707963267948966192,
        3.1415926535897932385,
        std::ldexp(6381956970095103.0, 797),  // the closest to a multiple of pi/2
    };
    for (double x : boundaries) {
        AddBothSigns(out, x, 3);
    }
    out.push_back(0.0);
    out.push_back(-0.0);
    return out;
}

std::vector<double> Subnormals(std::size_t count, std::uint64_t seed)
{
    std::mt19937_64 bits(seed);
    std::vector<double> out;
    for (std::size_t i = 0; i < count; ++i) {
        AddBothSigns(out, std::bit_cast<double>(bits() >> 12), 0);
    }
    return out;
}

std::vector<double> SmallArgumentsNextToMidpoints()
{
    std::vector<double> out;
    Real low(300);
    Real high(300);
    Real middle(300);
    Real excess(300);
    Real target(300);
    for (int exponent = -27; exponent < -22; ++exponent) {
        // x in [2^exponent, 2^(exponent + 1)) has ulp 2^(exponent - 52).
        const long ulpExponent = exponent - 52;
        for (unsigned long halves = 1;; halves += 2) {
            // Solve tan x - x = halves ulp / 2 by bisection.
            mpfr_set_ui_2exp(target.get(), halves, ulpExponent - 1, MPFR_RNDN);
            mpfr_set_ui_2exp(low.get(), 1, exponent, MPFR_RNDN);
            mpfr_set_ui_2exp(high.get(), 1, exponent + 1, MPFR_RNDN);
            mpfr_tan(excess.get(), high.get(), MPFR_RNDN);
            mpfr_sub(excess.get(), excess.get(), high.get(), MPFR_RNDN);
            if (mpfr_cmp(excess.get(), target.get()) <= 0) {
                break;
            }
            for (int step = 0; step < 200; ++step) {
                mpfr_add(middle.get(), low.get(), high.get(), MPFR_RNDN);
                mpfr_div_2ui(middle.get(), middle.get(), 1, MPFR_RNDN);
                mpfr_tan(excess.get(), middle.get(), MPFR_RNDN);
                mpfr_sub(excess.get(), excess.get(), middle.get(), MPFR_RNDN);
                mpfr_set(mpfr_cmp(excess.get(), target.get()) < 0 ? low.get() : high.get(), middle.get(), MPFR_RNDN);
            }
            const double x = mpfr_get_d(low.get(), MPFR_RNDN);
            if (x >= std::ldexp(1.0, exponent)) {
                AddBothSigns(out, x, 0);
            }
        }
    }
    return out;
}

}  // namespace pali::reference
