// SPDX-License-Identifier: MIT

#pragma once

// The reference the tangent is checked against: GNU MPFR, and the sets of
// arguments it is checked on. Only for the native Linux build of the tests.

#include <cstdint>
#include <vector>

#include <mpfr.h>

namespace pali::reference {

// An MPFR number of the given precision, cleared when it goes.
class Real {
public:
    explicit Real(mpfr_prec_t bits) { mpfr_init2(value_, bits); }
    ~Real() { mpfr_clear(value_); }
    Real(const Real&) = delete;
    Real& operator=(const Real&) = delete;
    mpfr_ptr get() { return value_; }

private:
    mpfr_t value_;
};

// tan(x) correctly rounded to nearest by MPFR.
double Tan(double x);

// The arguments whose tangent from pali::CorrectlyRoundedTan differs from MPFR's in any bit.
std::vector<double> Misrounded(const std::vector<double>& arguments);

// How close tan(x) comes to a midpoint between two doubles: the number of
// bits after the 53rd that agree with 1000... or 0111... (0 when the first
// of them already decides it). The hardest cases for a rounding test.
int HardnessBits(double x);

// Every friction angle from -90 to 90 degrees by 0.001, in radians as the
// calculation forms them: (degrees * 3.14) / 180.
std::vector<double> ProgramAngles();

// Bit patterns drawn uniformly over all finite doubles: every exponent, both signs.
std::vector<double> RandomDoubles(std::size_t count, std::uint64_t seed);

// The doubles nearest to k pi/4 for k = 1..count, and to random k up to
// 2^50, with their neighbours, both signs.
std::vector<double> NearMultiplesOfQuarterPi(std::size_t count, std::uint64_t seed);

// The largest and smallest doubles, the boundaries between the tangent's
// ways of reducing its argument, and the double closest to a multiple of
// pi/2 of all (Muller, "Elementary Functions", the worst case of the
// reduction), each with its neighbours and both signs.
std::vector<double> Extremes();

// Random subnormals of both signs.
std::vector<double> Subnormals(std::size_t count, std::uint64_t seed);

// Doubles x from 2^-27 to 2^-22 whose tan x - x lies next to an odd multiple
// of half an ulp of x: there tan x passes a midpoint so slowly that the
// nearest double to the crossing comes within about 2^-(53 + 45) ulp of it,
// far harder than random arguments.
std::vector<double> SmallArgumentsNextToMidpoints();

}  // namespace pali::reference
