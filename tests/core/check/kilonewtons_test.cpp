// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/check/kilonewtons.h"

namespace pali {
namespace {

struct Conversion {
    const char* tonnes;
    std::optional<std::string> kilonewtons;
};

// The products worked out by hand in decimals; the halves are the rounding's
// boundaries: 100 t is 980,665 kN exactly.
TEST(TonnesToKilonewtons, MultipliesTheWrittenDecimalsExactlyAndRoundsHalvesAway)
{
    const Conversion table[] = {
        {"110", "1078,73"},    {"100", "980,67"},     {"300", "2942,00"},
        {"200", "1961,33"},    {"-100", "-980,67"},   {"193,3", "1895,63"},
        {"313,09", "3070,36"}, {"139,77", "1370,68"}, {"195,68", "1918,97"},
        {"0,01", "0,10"},      {"0,005", "0,05"},     {"0,0005", "0,00"},
        {"-0,0005", "0,00"},   {"1e3", "9806,65"},    {"12345678,99", "121069752,87"},
        {",", "0,00"},         {"", std::nullopt},    {"abc", std::nullopt},
    };
    for (const Conversion& row : table) {
        SCOPED_TRACE(row.tonnes);
        EXPECT_EQ(TonnesToKilonewtons(row.tonnes, NumberFormat::Comma()), row.kilonewtons);
    }
}

TEST(TonnesToKilonewtons, WritesTheUsersSeparator)
{
    EXPECT_EQ(TonnesToKilonewtons("1.9", NumberFormat::Point()), "18.63");
    EXPECT_EQ(TonnesToKilonewtons("100", NumberFormat::Point()), "980.67");
}

}  // namespace
}  // namespace pali
