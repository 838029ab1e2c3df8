// SPDX-License-Identifier: MIT

// The window with its menu bar: the question before closing, saves that fail
// for real on the disk, and a file dropped on the window.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/calc/worked_example.h"
#include "qt/check_panel.h"
#include "qt/form1.h"
#include "qt/main_window.h"
#include "qt/qt_text.h"

namespace pali {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The recent files go to a settings file of the tests' own.
        QStandardPaths::setTestModeEnabled(true);
        window.form().setMessagePresenter([this](QWidget*, const QString& text) { messages.push_back(text); });
        window.setQuestion([this](QWidget*, const QString& question) {
            questions.push_back(question);
            return answer;
        });
        window.setSaveDialog([this](QWidget*, const QString&) { return pathChosen; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void type(Box box, const QString& text)
    {
        QLineEdit* edit = window.form().box(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // What the desktop sends when a file manager's item is dropped on the
    // window; whether the window took the drag.
    bool drop(const QUrl& url)
    {
        QMimeData data;
        data.setUrls({url});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &dropped);
        return true;
    }

    // File, Dati del progetto..., and act on the modal dialog once it is open.
    void inDataDialog(const std::function<void(QDialog&)>& act)
    {
        QTimer::singleShot(0, [&act] { act(*qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
        for (QAction* entry : window.findChildren<QAction*>()) {
            if (entry->text() == "&Dati del progetto...") {
                entry->trigger();
            }
        }
    }

    void clickFine() { QTest::mouseClick(window.form().findChild<QPushButton*>("Command5"), Qt::LeftButton); }

    QByteArray saveWithFileLimit(const QString& path, rlim_t bytes)
    {
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limited{bytes, before.rlim_max};
        // Past the limit a write fails instead of ending the process.
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limited);
        pathChosen = path;
        window.session().saveAs();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    MainWindow window;
    QTemporaryDir folder;
    SaveAnswer answer = SaveAnswer::Cancel;
    std::optional<QString> pathChosen;
    std::vector<QString> questions;
    std::vector<QString> messages;
};

TEST_F(MainWindowTest, FineAsksAboutTypedWorkAndDoesWhatTheAnswerSays)
{
    struct Case {
        const char* name;
        SaveAnswer answer;
        bool pathGiven;
        bool closes;
    };
    const Case cases[] = {
        {"Annulla", SaveAnswer::Cancel, false, false},
        {"Salva, the dialog cancelled", SaveAnswer::Save, false, false},
        {"Salva", SaveAnswer::Save, true, true},
    };
    type(Box::A, "60");
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        answer = each.answer;
        const QString path = folder.filePath(QStringLiteral("prova è.pali"));
        pathChosen = each.pathGiven ? std::optional(path) : std::nullopt;

        clickFine();

        EXPECT_EQ(window.isVisible(), !each.closes);
        EXPECT_EQ(QFile::exists(path), each.closes);
        EXPECT_EQ(window.form().box(Box::A)->text(), "60");
    }
    EXPECT_EQ(questions.size(), 3U);
    EXPECT_EQ(questions[0], "Salvare il progetto?");
    EXPECT_EQ(window.windowTitle(),
              "prova è.pali[*] - PORTANZA DEI PALI PER TERRENI INCOERENTI   BEREZANTZEV(TESK-ORBEL)");
}

// The date offered is today's in the user's format; the texts confirmed with
// Enter name the work in the title and come back when their file is opened.
TEST_F(MainWindowTest, TheProjectsDataTypedInTheirDialogComeBackFromTheirFile)
{
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    inDataDialog([](QDialog& dialog) {
        const QList<QLineEdit*> boxes = dialog.findChildren<QLineEdit*>();
        QTest::keyClicks(boxes.at(0), "Ponte sul Po");
        QTest::keyClicks(boxes.at(3), "Ing. Rossi");
        QTest::keyClick(boxes.at(3), Qt::Key_Return);
    });
    EXPECT_EQ(window.windowTitle(), "Ponte sul Po - " + Text(kTitle));
    pathChosen = folder.filePath(QStringLiteral("dati.pali"));
    ASSERT_TRUE(window.session().saveAs());
    window.session().newProject();
    window.openFile(*pathChosen);
    QStringList shown;
    inDataDialog([&shown](QDialog& dialog) {
        for (const QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
            shown << box->accessibleName() + ": " + box->text();
        }
        dialog.reject();
    });
    EXPECT_EQ(shown, QStringList({"Opera: Ponte sul Po", "Committente: ", "Località: ", "Progettista: Ing. Rossi",
                                  "Data: " + today}));
    EXPECT_FALSE(window.session().modified());
}

TEST_F(MainWindowTest, NonSalvareClosesWithoutWritingAndAnUnchangedWindowClosesAtOnce)
{
    window.close();
    EXPECT_FALSE(window.isVisible());
    window.show();
    type(Box::CV, "20");
    answer = SaveAnswer::DoNotSave;
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(questions.size(), 1U);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// Failures that hold for root too, who may write into any folder: a folder
// that takes no new files (/proc), a target that is itself a folder, and a
// disk that fills up (the process's file size limit).
TEST_F(MainWindowTest, AFailedSaveSaysSoAndLeavesTheOldFileWhole)
{
    const QString kept = folder.filePath(QStringLiteral("progetto.pali"));
    pathChosen = kept;
    ASSERT_TRUE(window.session().saveAs());
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    window.form().box(Box::Z9)->setText(QString(2'000'000, QChar('7')));

    struct Case {
        const char* name;
        QString path;
        const char* reason;
    };
    const Case cases[] = {
        {"/proc", QStringLiteral("/proc/progetto.pali"), "non si può scrivere"},
        {"a folder", folder.path(), "è una cartella"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        messages.clear();
        pathChosen = each.path;
        EXPECT_FALSE(window.session().saveAs());
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_TRUE(messages[0].contains("Impossibile salvare")) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(each.reason)) << messages[0].toStdString();
    }

    messages.clear();
    EXPECT_EQ(saveWithFileLimit(kept, 100'000), old);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].contains("disco è pieno")) << messages[0].toStdString();
    EXPECT_TRUE(window.session().modified());
    EXPECT_TRUE(window.isWindowModified());
}

// File, Esporta relazione...: the report of the window as it stands, as a
// PDF or a Word file by the name chosen; a name of neither kind, or a folder,
// says so and writes nothing.
TEST_F(MainWindowTest, ExportsTheReportAsPdfOrWordAndSaysWhyNot)
{
    type(Box::A, "60");
    QString exportTo;
    window.setExportDialog([&exportTo](QWidget*, const QString&) { return std::optional(exportTo); });
    const auto exportReport = [this] {
        for (QAction* entry : window.findChildren<QAction*>()) {
            if (entry->text() == "Esporta &relazione...") {
                entry->trigger();
            }
        }
    };
    for (const char* name : {"relazione.pdf", "relazione.DOCX"}) {
        exportTo = folder.filePath(QString::fromUtf8(name));
        exportReport();
        QFile file(exportTo);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(file.read(4) == (exportTo.endsWith(".pdf") ? "%PDF" : "PK\x03\x04")) << name;
    }
    EXPECT_TRUE(messages.empty());
    for (const QString& refused : {folder.filePath(QStringLiteral("relazione.txt")), folder.path() + ".pdf"}) {
        messages.clear();
        exportTo = refused;
        if (refused.endsWith(".pdf")) {
            ASSERT_TRUE(QDir().mkdir(refused));
        }
        exportReport();
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_TRUE(messages[0].contains(refused.endsWith(".pdf") ? "è una cartella" : "né l'uno né l'altro"))
            << messages[0].toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("relazione.txt"))));
}

TEST_F(MainWindowTest, ADroppedFileOpensOnceTheTypedWorkIsSeenTo)
{
    const QString path = folder.filePath(QStringLiteral("trascinato è.pali"));
    type(Box::A, "60");
    pathChosen = path;
    ASSERT_TRUE(window.session().saveAs());
    type(Box::CV, "20");

    EXPECT_FALSE(drop(QUrl(QStringLiteral("https://example.org/caso1.pali"))));
    answer = SaveAnswer::Cancel;
    EXPECT_TRUE(drop(QUrl::fromLocalFile(path)));
    EXPECT_EQ(window.form().box(Box::CV)->text(), "20");
    answer = SaveAnswer::DoNotSave;
    EXPECT_TRUE(drop(QUrl::fromLocalFile(path)));

    EXPECT_EQ(questions.size(), 2U);
    EXPECT_EQ(window.form().box(Box::A)->text(), "60");
    EXPECT_EQ(window.form().box(Box::CV)->text(), "");
    EXPECT_FALSE(window.isWindowModified());
}

// The panel computes on copies after every change: the verticals typed
// after F6, a load changed in the form, and USA typing Nq into K1; F6 goes
// back to where the focus was. The verticals are the project's.
TEST_F(MainWindowTest, TheCheckPanelFollowsTheWindow)
{
    FormContents form;
    ProjectState state;
    fixtures::EnterWorkedExample(form, state, 1);
    window.form().logic().restore(form, state);
    auto* panel = window.findChild<CheckPanel*>("CheckPanel");
    ASSERT_TRUE(panel && panel->isVisible());
    const auto readOut = [panel](const QString& name) {
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (label->accessibleName() == name) {
                return label->text();
            }
        }
        return QStringLiteral("no read-out ") + name;
    };
    type(Box::CP, "50");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), panel->verticalsBox());
    QTest::keyClicks(panel->verticalsBox(), "3");
    EXPECT_EQ(readOut("Rd A1+M1+R3"), "155.53");
    EXPECT_EQ(readOut("Esito NTC 2008, Approccio 2 e NTC 2018"), "NTC 2008, Approccio 2 e NTC 2018: VERIFICATO");
    EXPECT_EQ(window.checkPresenter().verticals(), "3");
    EXPECT_TRUE(window.session().modified());

    QTest::keyClick(panel->verticalsBox(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), window.form().box(Box::CP));
    type(Box::CP, "150");
    EXPECT_EQ(readOut("Esito A1+M1+R3"), "NON VERIFICATO");

    QTest::mouseClick(panel->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(window.form().box(Box::K1)->text(), "40.0");

    // A number beyond the reals typed into K1: the panel says why, and the window goes on.
    type(Box::K1, "1e999");
    EXPECT_TRUE(readOut("Avvisi").contains("Overflow")) << readOut("Avvisi").toStdString();
}

// Every box a project opened puts on the window is a change of the form;
// the check is computed once for the project, and once for a key typed.
TEST_F(MainWindowTest, TheCheckIsComputedOnceForAKeyAndOnceForAFileOpened)
{
    FormContents form;
    ProjectState state;
    fixtures::EnterWorkedExample(form, state, 0);
    window.form().logic().restore(form, state);
    window.session().verticalsTyped("3");
    pathChosen = folder.filePath(QStringLiteral("esempio.pali"));
    ASSERT_TRUE(window.session().saveAs());
    CheckPresenter& check = window.checkPresenter();

    std::size_t before = check.checksComputed();
    type(Box::CV, "2");
    EXPECT_EQ(check.checksComputed() - before, 1U);
    answer = SaveAnswer::DoNotSave;
    before = check.checksComputed();
    window.openFile(*pathChosen);
    EXPECT_EQ(check.checksComputed() - before, 1U);
    EXPECT_EQ(window.form().box(Box::CV)->text(), "20");
}

}  // namespace
}  // namespace pali
