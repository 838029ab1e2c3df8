// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "core/state/form_contents.h"
#include "core/state/project_state.h"
#include "core/state/run_time_error.h"

namespace pali {
namespace {

TEST(ProjectState, StartsEmpty)
{
    const ProjectState state;
    for (std::int32_t row = 0; row <= 20; ++row) {
        EXPECT_TRUE(state.ANG[row].IsEmpty());
        EXPECT_TRUE(state.LUNG[row].IsEmpty());
        EXPECT_TRUE(state.PESO[row].IsEmpty());
        EXPECT_TRUE(state.ANGRAD[row].IsEmpty());
        EXPECT_TRUE(state.KLAT[row].IsEmpty());
        EXPECT_EQ(state.TGANG[row], 0.0);
    }
    EXPECT_TRUE(state.QPUNTA.IsEmpty());
    EXPECT_TRUE(state.QLAT.IsEmpty());
    EXPECT_TRUE(state.NSTRATO.IsEmpty());
    EXPECT_TRUE(state.JSTRATO.IsEmpty());
    EXPECT_EQ(state.COEFGR, 0.0);
    EXPECT_EQ(state.KSTRATO, 0);
}

TEST(ProjectState, EveryAccessChecksItsRow)
{
    ProjectState state;
    state.ANG[0] = 30.0;
    state.TGANG[20] = 0.5;
    for (std::int32_t row : {-1, 21, 1000}) {
        const ProjectState before = state;
        try {
            state.ANG[row] = 1.0;
            FAIL() << "row " << row << " was accepted";
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::SubscriptOutOfRange);
        }
        EXPECT_THROW(static_cast<void>(state.TGANG[row]), RunTimeError);
        EXPECT_EQ(state, before);
    }
}

TEST(ProjectState, CopiesCompareAsWholes)
{
    ProjectState state;
    ProjectState copy = state;
    EXPECT_EQ(copy, state);
    copy.KLAT[20] = ValueCell::Integer(0);
    EXPECT_NE(copy, state);
    copy = state;
    copy.KSTRATO = 1;
    EXPECT_NE(copy, state);
}

TEST(FormContents, ReadingsNameTheBoxThatFailed)
{
    FormContents form;
    form[Box::C] = "abc";
    try {
        LocaleLongOf(form, Box::C, NumberFormat::Comma());
        FAIL();
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::TypeMismatch);
        EXPECT_EQ(error.box(), Box::C);
    }
}

}  // namespace
}  // namespace pali
