// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calc/layer_entry.h"
#include "core/state/run_time_error.h"

namespace pali {
namespace {

class LayerEntry : public ::testing::Test {
protected:
    std::vector<std::string> PressStratoN(int times)
    {
        std::vector<std::string> shown;
        for (int press = 0; press < times; ++press) {
            ShowNextLayer(form, state, format);
            shown.push_back(form[Box::I]);
        }
        return shown;
    }

    void TypeLayer(const char* angle, const char* thickness, const char* weight, const char* k)
    {
        form[Box::E] = angle;
        form[Box::F] = thickness;
        form[Box::G] = weight;
        form[Box::D] = k;
    }

    FormContents form;
    ProjectState state;
    NumberFormat format = NumberFormat::Comma();
};

TEST_F(LayerEntry, CursorWrapsAfterTheLastLayer)
{
    using Shown = std::vector<std::string>;
    const std::pair<const char*, Shown> cases[] = {
        {"3", {"1", "2", "3", "1", "2"}}, {"1", {"1", "1", "1"}}, {"0", {"1", "1", "1"}}, {"-2", {"1", "1"}},
        {"2,5", {"1", "2", "3", "1"}},  // a fractional count wraps too
    };
    for (const auto& [layers, expected] : cases) {
        state = {};
        form[Box::C] = layers;
        EXPECT_EQ(PressStratoN(static_cast<int>(expected.size())), expected) << layers;
    }
}

TEST_F(LayerEntry, TwentyLayersWrapToTheFirst)
{
    form[Box::C] = "20";
    const auto shown = PressStratoN(21);
    EXPECT_EQ(shown[19], "20");
    EXPECT_EQ(shown[20], "1");
}

TEST_F(LayerEntry, TwentyOneLayersFailAtTheTwentyFirstPress)
{
    form[Box::C] = "21";
    PressStratoN(20);
    try {
        ShowNextLayer(form, state, format);
        FAIL() << "row 21 was shown";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::SubscriptOutOfRange);
        EXPECT_EQ(error.box(), Box::C);
    }
}

TEST_F(LayerEntry, LoweringTheCountWrapsACursorPastIt)
{
    form[Box::C] = "5";
    PressStratoN(5);
    form[Box::C] = "3";
    EXPECT_EQ(PressStratoN(2), (std::vector<std::string>{"1", "2"}));
}

TEST_F(LayerEntry, EmptyCountFailsWithTypeMismatch)
{
    try {
        ShowNextLayer(form, state, format);
        FAIL();
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::TypeMismatch);
        EXPECT_EQ(error.box(), Box::C);
    }
}

TEST_F(LayerEntry, OkBeforeAnyStepStoresIntoRowZero)
{
    TypeLayer("30", "5", "1.8", "1");
    StoreLayer(form, state, format);
    EXPECT_EQ(state.ANG[0], ValueCell(30.0));
    EXPECT_EQ(state.KLAT[0], ValueCell(1.0));
    EXPECT_TRUE(state.ANG[1].IsEmpty());
}

TEST_F(LayerEntry, StoredLayersAreShownBack)
{
    form[Box::C] = "2";
    PressStratoN(1);
    TypeLayer("30", "5", "1.8", "1");
    StoreLayer(form, state, format);
    PressStratoN(1);
    EXPECT_EQ(form[Box::E], "");
    TypeLayer("", "", "", "");
    StoreLayer(form, state, format);  // empty fields store 0.0
    PressStratoN(1);
    EXPECT_EQ(form[Box::I], "1");
    EXPECT_EQ(form[Box::E], "30");
    EXPECT_EQ(form[Box::F], "5");
    EXPECT_EQ(form[Box::G], "1,8");
    EXPECT_EQ(form[Box::D], "1");
    PressStratoN(1);
    EXPECT_EQ(form[Box::E], "0");
    EXPECT_EQ(form[Box::F], "0");
    EXPECT_EQ(form[Box::G], "0");
    EXPECT_EQ(form[Box::D], "");  // a K of 0 stays empty
    EXPECT_EQ(state.KLAT[2], ValueCell(0.0));
}

TEST_F(LayerEntry, UnreadableCoefficientIsStoredAsZeroAndShownEmpty)
{
    form[Box::C] = "1";
    PressStratoN(1);
    TypeLayer("30", "5", "1,8", "abc");
    StoreLayer(form, state, format);
    PressStratoN(1);
    EXPECT_EQ(form[Box::D], "");
    EXPECT_EQ(state.KLAT[1], ValueCell(0.0));
}

TEST_F(LayerEntry, DecimalCommaSurvivesAConfirmAgain)
{
    form[Box::C] = "1";
    PressStratoN(1);
    TypeLayer("30", "5", "18.5", "1");
    StoreLayer(form, state, format);
    PressStratoN(1);
    EXPECT_EQ(form[Box::G], "18,5");
    StoreLayer(form, state, format);
    EXPECT_EQ(state.PESO[1], ValueCell(18.5));
    PressStratoN(1);
    EXPECT_EQ(form[Box::G], "18,5");
}

TEST_F(LayerEntry, OkLeavesTheFormAndCursorAlone)
{
    form[Box::C] = "2";
    PressStratoN(2);
    TypeLayer("34", "7", "1,9", "0,8");
    const FormContents before = form;
    StoreLayer(form, state, format);
    EXPECT_EQ(form, before);
    EXPECT_EQ(state.NSTRATO, ValueCell::Integer(2));
}

}  // namespace
}  // namespace pali
