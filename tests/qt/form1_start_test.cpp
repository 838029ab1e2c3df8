// SPDX-License-Identifier: MIT

// The window as the program opens it, and the two ways to end it.
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenu>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include "qt/italian_qt_texts.h"
#include "qt/report_delivery.h"
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
    EXPECT_EQ(window.windowTitle(), "PORTANZA DEI PALI PER TERRENI INCOERENTI   BEREZANTZEV(TESK-ORBEL)");
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

// Qt's own texts as the program installs them at start: the window is
// Italian, so the toolkit's menus and dialogs must be too.
class Form1QtTexts : public fixtures::WindowTest {
protected:
    // The words of a list of actions or buttons, without their accelerator
    // marks and shortcuts: "&Copia\tCtrl+C" reads "Copia".
    static QStringList words(const QStringList& texts)
    {
        QStringList plain;
        for (QString text : texts) {
            plain << text.remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        }
        return plain;
    }

    QStringList contextMenuOf(Box box) const
    {
        const std::unique_ptr<QMenu> menu(window.box(box)->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << action->text();
        }
        return words(texts);
    }

    // Clicks STAMPA with the real delivery, reads the buttons of the save
    // dialog it opens for want of a default printer, and cancels it.
    QStringList saveDialogButtons()
    {
        window.setReportDelivery(DeliverReport);
        QStringList texts;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&texts] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            for (const QPushButton* each : dialog->findChildren<QPushButton*>()) {
                texts << each->text();
            }
            dialog->reject();
        });
        poll.start(10);
        click("Command4");
        return words(texts);
    }
};

TEST_F(Form1QtTexts, TheContextMenuOfATextBoxIsItalian)
{
    const ItalianQtTexts qtTexts;
    ASSERT_TRUE(qtTexts.installed()) << "Qt's Italian translation (qt6-translations-l10n) is missing";
    const QStringList menu = contextMenuOf(Box::A);
    EXPECT_TRUE(menu.contains("Copia")) << menu.join(", ").toStdString();
    EXPECT_TRUE(menu.contains("Incolla")) << menu.join(", ").toStdString();
    EXPECT_FALSE(menu.contains("Copy")) << menu.join(", ").toStdString();
}

TEST_F(Form1QtTexts, WithoutQtsTranslationTheMenuStaysEnglishAndNothingFails)
{
    const QTemporaryDir noTranslations;
    {
        const ItalianQtTexts qtTexts(noTranslations.path());
        EXPECT_FALSE(qtTexts.installed());
        const QStringList menu = contextMenuOf(Box::K1);
        EXPECT_TRUE(menu.contains("Copy")) << menu.join(", ").toStdString();
        EXPECT_TRUE(menu.contains("Paste")) << menu.join(", ").toStdString();
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(Form1QtTexts, ThePdfSaveDialogWithoutAPrinterHasItalianButtons)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer; STAMPA would print";
    }
    const ItalianQtTexts qtTexts;
    ASSERT_TRUE(qtTexts.installed());
    enterWorkedExample();
    click("Command3");
    const QStringList buttons = saveDialogButtons();
    EXPECT_TRUE(buttons.contains("Salva")) << buttons.join(", ").toStdString();
    EXPECT_TRUE(buttons.contains("Annulla")) << buttons.join(", ").toStdString();
    EXPECT_FALSE(buttons.contains("Cancel")) << buttons.join(", ").toStdString();
}

TEST_F(Form1QtTexts, QtsItalianTextsLastAsLongAsTheirObject)
{
    {
        const ItalianQtTexts qtTexts;
    }
    EXPECT_TRUE(contextMenuOf(Box::A).contains("Copy"));
}

}  // namespace
}  // namespace pali
