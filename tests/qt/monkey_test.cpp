// SPDX-License-Identifier: MIT

// A seeded run of random events on the real window: texts typed into random
// boxes, clicks on the five working buttons, option changes. Nothing may
// crash, and a click that fails must leave every text, the option and the
// project state exactly as they were. MONKEY_EVENTS and MONKEY_SEED set the
// length and the seed of the run.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "window_fixture.h"

namespace pali {
namespace {

long EnvironmentNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtol(value, nullptr, 10) : fallback;
}

// Random texts and choices from a seed, so that a failing run can be repeated.
class RandomInput {
public:
    explicit RandomInput(unsigned seed) : random_(seed) {}

    QString Text()
    {
        static const QString pieces[] = {
            "",    "0",     "1",   "2",     "3",     "5",      "20",
            "21",  "-1",    "7",   "12,5",  "12.5",  "1,8",    "0,8",
            "30",  "34",    "abc", " 4 ",   "1e999", "1E308",  "-0",
            ",",   ".",     "+",   "--1",   "inf",   "nan",    "99999999999999999999",
            "2,5", "0,004", "è",   "1.5,3", "6",     "1e-400",
        };
        const int kind = Pick(10);
        if (kind == 0) {
            return QString(Pick(5000) + 1, QChar(u"0123456789,.e- a"[Pick(16)]));
        }
        QString text = pieces[Pick(std::size(pieces))];
        if (kind == 1) {
            text += pieces[Pick(std::size(pieces))];
        }
        return text;
    }

    std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }

private:
    std::mt19937 random_;
};

struct Snapshot {
    FormContents contents;
    ProjectState state;
};

class Monkey : public fixtures::WindowTest {};

TEST_F(Monkey, FailedClicksLeaveNoTraceAndNothingCrashes)
{
    const long events = EnvironmentNumber("MONKEY_EVENTS", 3000);
    const auto seed = static_cast<unsigned>(EnvironmentNumber("MONKEY_SEED", 20261207));
    UseDecimalComma();

    const char* buttons[] = {"Command6", "Command1", "Command2", "Command3", "Command4"};
    RandomInput random(seed);
    int clicks = 0;
    int failedClicks = 0;
    for (long event = 0; event < events; ++event) {
        switch (random.Pick(4)) {
        case 0:
        case 1: {
            QLineEdit* box = window.box(kAllBoxes[random.Pick(kBoxCount)]);
            const QString text = random.Text();
            box->clear();
            // Key events carry plain ASCII only; the rest is pasted in whole.
            const bool typeable =
                text.size() < 20 && std::ranges::all_of(text, [](QChar c) { return c.unicode() < 0x80; });
            if (typeable) {
                QTest::keyClicks(box, text);
            } else {
                box->setText(text);
            }
            break;
        }
        case 2: {
            const Snapshot before{window.contents(), window.state()};
            const std::size_t messagesBefore = messages.size();
            click(buttons[random.Pick(std::size(buttons))]);
            ++clicks;
            if (messages.size() != messagesBefore) {
                ++failedClicks;
                ASSERT_EQ(window.contents(), before.contents) << "event " << event;
                ASSERT_EQ(window.state(), before.state) << "event " << event;
            }
            break;
        }
        default: QTest::mouseClick(option(static_cast<int>(random.Pick(3))), Qt::LeftButton); break;
        }
    }
    std::printf("monkey: %ld events, %d clicks, %d failed and restored, %zu reports\n", events, clicks, failedClicks,
                deliveredReports.size());
    EXPECT_GT(failedClicks, 0);
    EXPECT_LT(failedClicks, clicks);
}

}  // namespace
}  // namespace pali
