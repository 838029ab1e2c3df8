// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

namespace {

// Every test starts under the "." locale; a test that needs the decimal comma
// asks for it, and the next test does not inherit it.
class PinPointLocale : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { QLocale::setDefault(QLocale::c()); }
};

}  // namespace

// The Qt tests run without a display unless one is asked for.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new PinPointLocale);
    return RUN_ALL_TESTS();
}
