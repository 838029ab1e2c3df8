// SPDX-License-Identifier: MIT

// Replays one case of the validation document on the real window, on Qt's
// offscreen platform under the Italian number conventions, and keeps what the
// engineer would see: the window after the last command as a PNG, and the
// report of the case's STAMPA as the PDF that STAMPA saves without a printer.
//
// Usage: validation_pictures CASE.txt WINDOW.png REPORT.pdf
#include <iostream>
#include <stdexcept>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/design_check_texts.h"
#include "qt/form1.h"
#include "qt/report_document.h"
#include "validation_case.h"

namespace pali::validation {
namespace {

// The window's whole layout: the right edge of Label35 and the bottom edge
// of Command5, in twips.
constexpr int kLayoutWidthTwips = 15020;
constexpr int kLayoutHeightTwips = 10215;
constexpr int kMarginPixels = 8;

class WindowDriver : public CaseDriver {
public:
    explicit WindowDriver(Form1& window) : window_(window)
    {
        window_.logic().setReportAddition(
            [this](const FormContents& form, const ProjectState& state, const NumberFormat& format) {
                return ReportCheckLines(form, state, verticals_, format);
            });
    }

    void type(Box box, const std::string& text) override
    {
        QLineEdit* edit = window_.box(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }

    void press(Button button) override
    {
        const std::string_view name = kButtonNames[static_cast<std::size_t>(button)];
        QTest::mouseClick(
            window_.findChild<QPushButton*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))),
            Qt::LeftButton);
    }

    void selectCombination(int index) override
    {
        QTest::mouseClick(window_.findChild<QRadioButton*>(QString("Comb1(%1)").arg(index)), Qt::LeftButton);
    }

    // The picture is of the form alone; STAMPA prints the check's block of
    // the verticals as the panel beside it would hand them over.
    void typeVerticals(const std::string& text) override { verticals_ = text; }

private:
    Form1& window_;
    std::string verticals_;
};

int Run(const char* casePath, const QString& windowPng, const QString& reportPdf)
{
    const ValidationCase validationCase = ReadCase(casePath);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // A steady text cursor, so that two runs draw the same pixels.
    QApplication::setCursorFlashTime(0);

    Form1 window;
    bool reportSaved = true;
    window.setMessagePresenter([](QWidget*, const QString& message) { std::cout << message.toStdString() << '\n'; });
    window.setReportDelivery([&](const std::vector<PrintedLine>& lines, QWidget*) {
        reportSaved = ReportDocument(lines).SaveAsPdf(reportPdf);
    });
    window.setWindowState(Qt::WindowNoState);
    window.resize(Pixels(kLayoutWidthTwips) + kMarginPixels, Pixels(kLayoutHeightTwips) + kMarginPixels);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::cerr << "validation_pictures: the window did not become active\n";
        return 1;
    }
    WindowDriver driver(window);
    Replay(validationCase, driver);
    if (!reportSaved) {
        std::cerr << "validation_pictures: cannot write " << reportPdf.toStdString() << '\n';
        return 1;
    }
    if (!window.grab().toImage().convertToFormat(QImage::Format_RGB888).save(windowPng, "PNG")) {
        std::cerr << "validation_pictures: cannot write " << windowPng.toStdString() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace pali::validation

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: validation_pictures CASE.txt WINDOW.png REPORT.pdf\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    try {
        return pali::validation::Run(argv[1], QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    } catch (const std::exception& error) {
        std::cerr << "validation_pictures: " << error.what() << '\n';
        return 1;
    }
}
