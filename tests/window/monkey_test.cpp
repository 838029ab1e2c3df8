// A seeded run of random events on the real window: texts typed into random
// boxes, clicks on the five working buttons, option changes. Nothing may
// crash, and a click that fails must leave every text, the option and the
// project state exactly as they were. MONKEY_EVENTS and MONKEY_SEED set the
// length and the seed of the run.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "window/form1.h"

namespace pali {
namespace {

long EnvironmentNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtol(value, nullptr, 10) : fallback;
}

class Monkey {
public:
    explicit Monkey(unsigned seed) : random_(seed) {}

    QString Text()
    {
        static const QString pieces[] = {
            "", "0", "1", "2", "3", "5", "20", "21", "-1", "7", "12,5", "12.5", "1,8", "0,8",
            "30", "34", "abc", " 4 ", "1e999", "1E308", "-0", ",", ".", "+", "--1", "inf",
            "nan", "99999999999999999999", "2,5", "0,004", "è", "1.5,3", "6", "1e-400",
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

    std::size_t Pick(std::size_t count)
    {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }

private:
    std::mt19937 random_;
};

struct Snapshot {
    FormContents contents;
    ProjectState state;
};

TEST(Monkey, FailedClicksLeaveNoTraceAndNothingCrashes)
{
    const long events = EnvironmentNumber("MONKEY_EVENTS", 3000);
    const auto seed = static_cast<unsigned>(EnvironmentNumber("MONKEY_SEED", 20261207));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    Form1 window;
    int failures = 0;
    int reports = 0;
    window.setMessagePresenter([&](QWidget*, const QString&) { ++failures; });
    window.setReportDelivery([&](const std::vector<PrintedLine>&, QWidget*) { ++reports; });
    window.show();

    const char* buttons[] = {"Command6", "Command1", "Command2", "Command3", "Command4"};
    Monkey monkey(seed);
    int clicks = 0;
    int failedClicks = 0;
    for (long event = 0; event < events; ++event) {
        switch (monkey.Pick(4)) {
        case 0:
        case 1: {
            QLineEdit* box = window.box(kAllBoxes[monkey.Pick(kBoxCount)]);
            const QString text = monkey.Text();
            box->clear();
            // Key events carry plain ASCII only; the rest is pasted in whole.
            const bool typeable = text.size() < 20 && std::ranges::all_of(text, [](QChar c) {
                return c.unicode() < 0x80;
            });
            if (typeable) {
                QTest::keyClicks(box, text);
            } else {
                box->setText(text);
            }
            break;
        }
        case 2: {
            const Snapshot before{window.contents(), window.state()};
            const int failuresBefore = failures;
            auto* button = window.findChild<QPushButton*>(buttons[monkey.Pick(std::size(buttons))]);
            QTest::mouseClick(button, Qt::LeftButton);
            ++clicks;
            if (failures != failuresBefore) {
                ++failedClicks;
                ASSERT_EQ(window.contents(), before.contents) << "event " << event;
                ASSERT_EQ(window.state(), before.state) << "event " << event;
            }
            break;
        }
        default: {
            const QString name = QString("Comb1(%1)").arg(monkey.Pick(3));
            QTest::mouseClick(window.findChild<QRadioButton*>(name), Qt::LeftButton);
            break;
        }
        }
    }
    RecordProperty("clicks", clicks);
    RecordProperty("failed_clicks", failedClicks);
    std::printf("monkey: %ld events, %d clicks, %d failed and restored, %d reports\n", events,
                clicks, failedClicks, reports);
    EXPECT_GT(failedClicks, 0);
    EXPECT_LT(failedClicks, clicks);
}

}  // namespace
}  // namespace pali
