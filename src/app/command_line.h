// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/calculation_report/report_export.h"
#include "app/project_session.h"
#include "core/report/recording_printer.h"
#include "core/state/number_format.h"

namespace pali {

// portanza-pali [FILE]: the window, with the project FILE open.
struct WindowCommand {
    std::optional<std::string> file;
    bool operator==(const WindowCommand&) const = default;
};

// portanza-pali --verifica [--json] FILE..., --json in any place.
struct CheckCommand {
    std::vector<std::string> files;
    bool json = false;
    bool operator==(const CheckCommand&) const = default;
};

// portanza-pali --curva [--json] FILE: the design resistance at every length
// of FILE's profile, as CSV or one JSON object a length.
struct CurveCommand {
    std::string file;
    bool json = false;
    bool operator==(const CurveCommand&) const = default;
};

// portanza-pali --pdf OUTPUT FILE: the report of FILE in the PDF file OUTPUT.
struct PdfCommand {
    std::string output;
    std::string file;
    bool operator==(const PdfCommand&) const = default;
};

// portanza-pali --relazione OUTPUT FILE: the calculation report of FILE, as
// a PDF or a Word file by OUTPUT's ending.
struct ReportCommand {
    std::string output;
    std::string file;
    bool operator==(const ReportCommand&) const = default;
};

// portanza-pali --help (or -h): the usage.
struct HelpCommand {
    bool operator==(const HelpCommand&) const = default;
};

// portanza-pali --version.
struct VersionCommand {
    bool operator==(const VersionCommand&) const = default;
};

// Words the program does not understand: why, in Italian; the usage follows.
struct RefusedCommand {
    std::string reason;
    bool operator==(const RefusedCommand&) const = default;
};

using Command = std::variant<WindowCommand, CheckCommand, CurveCommand, PdfCommand, ReportCommand, HelpCommand,
                             VersionCommand, RefusedCommand>;

// What the words of the command line (UTF-8, without the program's name) ask
// for. Every front end reads them here, so that both systems take the same words.
Command ParseCommandLine(const std::vector<std::string>& words);

// Every form of the command line, in Italian.
std::string UsageText();

// "portanza-pali" and the version, one line.
std::string VersionText();

// Reads a whole file as the front end reads one (the path is UTF-8).
using FileReader = std::function<FileReading(const std::string& path, std::size_t limit)>;

// Writes a report as a PDF file at path (UTF-8); false when it could not.
using PdfWriter = std::function<bool(const std::vector<PrintedLine>& report, const std::string& path)>;

// What the commands without a window need of the system they run on. No
// writer of STAMPA's PDF where the program makes none (Windows).
struct CommandSystem {
    FileReader read;
    NumberFormat format;
    PdfWriter writePdf;
    doc::ReportFiles& reportFiles;
};

// What a command that runs without a window writes, and its exit status.
struct CommandOutput {
    int status = 0;
    std::string out;
    std::string err;
};

// The output and exit status of a command that runs without a window; none
// for the window's own command.
std::optional<CommandOutput> RunWithoutWindow(const Command& command, const CommandSystem& system);

// The design check of each file, in Italian with the user's decimal separator,
// or one JSON object a line. Exit status 2 when a file cannot be checked (it
// does not open, it has no verticals, a combination's calculation fails), else
// 1 when one is not verified under NTC 2018 (the third combination), else 0.
CommandOutput RunCheckCommand(const CheckCommand& command, const FileReader& read, const NumberFormat& format);

// The report of a project file as STAMPA composes it, with the design check's
// block when the file has verticals; or why the file gives none.
std::variant<std::vector<PrintedLine>, std::string> ReportOfFile(const std::string& path, const FileReader& read,
                                                                 const NumberFormat& format);

// The exit statuses of the commands without a window, besides 0; the manual
// pages list them.
inline constexpr int kNotVerified = 1;
// Also the status of words the program does not understand.
inline constexpr int kCannotBeChecked = 2;
inline constexpr int kPdfNotAvailable = 3;
inline constexpr int kPdfNotWritten = 4;

}  // namespace pali
