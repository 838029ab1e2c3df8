// SPDX-License-Identifier: MIT

#include "qt/command_line.h"

#include <cstdio>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "qt/file_reading.h"
#include "qt/qt_text.h"
#include "qt/report_document.h"
#include "qt/report_files.h"

namespace pali {

Command CommandOfArguments(int argc, char** argv)
{
    return ParseCommandLine(argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{});
}

namespace {

// The report's PDF needs fonts, which Qt gives through a platform: the
// offscreen one needs no display.
class CommandReportFiles : public QtReportFiles {
public:
    CommandReportFiles(int& argc, char** argv) : argc_(argc), argv_(argv) {}

    std::optional<std::string> write(const doc::Document& document, doc::ReportFormat format,
                                     const std::string& path) override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication application(argc_, argv_);
        return QtReportFiles::write(document, format, path);
    }

private:
    int& argc_;
    char** argv_;
};

}  // namespace

std::optional<int> RunWithoutWindow(const Command& command, int argc, char** argv)
{
    // The report's pages need fonts, which Qt gives through a platform: the
    // offscreen one needs no display.
    const PdfWriter writePdf = [&argc, argv](const std::vector<PrintedLine>& report, const std::string& path) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication application(argc, argv);
        return ReportDocument(report).SaveAsPdf(Text(path));
    };
    CommandReportFiles reportFiles(argc, argv);
    const auto output = RunWithoutWindow(command, {ReadFileWithQt, UsersNumberFormat(), writePdf, reportFiles});
    if (!output) {
        return std::nullopt;
    }
    std::fputs(output->out.c_str(), stdout);
    std::fputs(output->err.c_str(), stderr);
    return output->status;
}

}  // namespace pali
