// SPDX-License-Identifier: MIT

#include "qt/command_line.h"

#include <cstdio>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "app/command_line.h"
#include "qt/file_reading.h"
#include "qt/qt_text.h"
#include "qt/report_document.h"

namespace pali {

namespace {

int Finish(const CommandOutput& output)
{
    std::fputs(output.out.c_str(), stdout);
    std::fputs(output.err.c_str(), stderr);
    return output.status;
}

// The report's pages need fonts, which Qt gives through a platform: the
// offscreen one needs no display.
int WritePdf(int argc, char** argv, const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2) {
        return Finish({kCannotBeChecked, {}, "uso: portanza-pali --pdf USCITA.pdf FILE\n"});
    }
    const auto report = ReportOfFile(arguments[1], ReadFileWithQt, UsersNumberFormat());
    if (const auto* problem = std::get_if<std::string>(&report)) {
        return Finish({kCannotBeChecked, {}, *problem + "\n"});
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    if (!ReportDocument(std::get<std::vector<PrintedLine>>(report)).SaveAsPdf(Text(arguments[0]))) {
        return Finish({kCannotBeChecked, {}, "Impossibile scrivere «" + arguments[0] + "».\n"});
    }
    return 0;
}

}  // namespace

std::optional<int> RunWithoutWindow(int argc, char** argv)
{
    if (argc < 2) {
        return std::nullopt;
    }
    const std::string command = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (command == "--verifica") {
        return Finish(RunCheckCommand(arguments, ReadFileWithQt, UsersNumberFormat()));
    }
    if (command == "--pdf") {
        return WritePdf(argc, argv, arguments);
    }
    return std::nullopt;
}

}  // namespace pali
