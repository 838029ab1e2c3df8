// The window as the program opens it, and the two ways to end it.
#include <QCloseEvent>
#include <QTimer>

#include "window_fixture.h"

namespace pali {
namespace {

TEST(Form1Restored, ShowsAClientAreaOf7650By5820Twips)
{
    const Form1 window;
    EXPECT_EQ(window.size(), QSize(510, 388));
}

class Form1Start : public fixtures::WindowTest {
protected:
    // Runs the event loop as the program does; should the window fail to end
    // it, the loop is ended from outside with a status the test rejects.
    static int runEventLoop()
    {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(10000);
        return QApplication::exec();
    }
};

TEST_F(Form1Start, OpensMaximisedWithItsCaptionEmptyBoxesFirstOptionAndFocusInA)
{
    EXPECT_EQ(window.windowTitle(),
              "PORTANZA DEI PALI PER TERRENI INCOERENTI   BEREZANTZEV(TESK-ORBEL)");
    EXPECT_TRUE(window.windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(window.contents(), FormContents{});
    EXPECT_TRUE(option(0)->isChecked());
    EXPECT_FALSE(option(1)->isChecked());
    EXPECT_FALSE(option(2)->isChecked());
    EXPECT_EQ(focused(), "A");
    EXPECT_EQ(window.state(), ProjectState{});
}

TEST_F(Form1Start, NoButtonIsTheDefaultOne)
{
    for (QPushButton* each : window.findChildren<QPushButton*>()) {
        EXPECT_FALSE(each->isDefault()) << each->objectName().toStdString();
    }
}

// FINE and the close control end the program's event loop at once, without a
// question and before any calculation.
TEST_F(Form1Start, FineEndsTheProgram)
{
    type(Box::A, "60");
    QTimer::singleShot(0, &window, [this] { click("Command5"); });
    EXPECT_EQ(runEventLoop(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Form1Start, TheCloseControlEndsTheProgram)
{
    QTimer::singleShot(0, &window, [this] { window.close(); });
    EXPECT_EQ(runEventLoop(), 0);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace pali
