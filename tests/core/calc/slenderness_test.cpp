// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "core/calc/slenderness.h"
#include "core/state/run_time_error.h"

namespace pali {
namespace {

class Slenderness : public ::testing::Test {
protected:
    void Enter(const char* diameter, const char* length, const char* layers)
    {
        form[Box::A] = diameter;
        form[Box::B] = length;
        form[Box::C] = layers;
    }

    FormContents form;
    ProjectState state;
    NumberFormat comma = NumberFormat::Comma();
};

TEST_F(Slenderness, IsTheLengthInCentimetresOverTheDiameter)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"40", "12", "30"},
        {"60", "10", "16,6666666666667"},
        {"40", "12,5", "31,25"},  // the locale reading of the length
        {"-40", "12", "-30"},
    };
    for (const auto& [diameter, length, slenderness] : cases) {
        Enter(diameter, length, "0");
        ComputeSlenderness(form, state, comma);
        EXPECT_EQ(form[Box::H], slenderness);
    }
    Enter("60", "10", "0");
    ComputeSlenderness(form, state, NumberFormat::Point());
    EXPECT_EQ(form[Box::H], "16.6666666666667");
}

TEST_F(Slenderness, ShowsTheAngleOfTheTipLayer)
{
    state.ANG[2] = 30.0;
    state.ANG[3] = 32.0;
    state.ANG[4] = 34.0;
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"3", "32"}, {"2,5", "30"}, {"3,5", "34"}, {"5", ""},
    };
    // clang-format on
    for (const auto& [layers, angle] : cases) {
        Enter("40", "12", layers);
        ComputeSlenderness(form, state, comma);
        EXPECT_EQ(form[Box::Z9], angle) << layers;
    }
}

TEST_F(Slenderness, FailuresNameTheirBox)
{
    struct Case {
        const char* diameter;
        const char* length;
        const char* layers;
        ErrorKind kind;
        Box box;
    };
    const Case cases[] = {
        {"40", "", "2", ErrorKind::TypeMismatch, Box::B},
        {"", "12", "2", ErrorKind::TypeMismatch, Box::A},
        {"0", "12", "2", ErrorKind::DivisionByZero, Box::A},
        {"0", "0", "2", ErrorKind::Overflow, Box::A},
        {"40", "12", "", ErrorKind::TypeMismatch, Box::C},
        {"40", "12", "21", ErrorKind::SubscriptOutOfRange, Box::C},
        {"40", "12", "-1", ErrorKind::SubscriptOutOfRange, Box::C},
    };
    for (const Case& c : cases) {
        Enter(c.diameter, c.length, c.layers);
        try {
            ComputeSlenderness(form, state, comma);
            ADD_FAILURE() << c.diameter << " " << c.length << " " << c.layers;
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.kind(), c.kind);
            EXPECT_EQ(error.box(), c.box);
        }
    }
}

}  // namespace
}  // namespace pali
