// SPDX-License-Identifier: MIT

#include "app/command_line.h"

#include <algorithm>

#include "app/design_check_texts.h"
#include "app/error_message.h"
#include "app/project_file.h"
#include "core/check/design_check.h"
#include "core/report/report_sequence.h"

namespace pali {

namespace {

// The project in a file, or the sentence that says why there is none.
std::variant<Project, std::string> OpenProject(const std::string& path, const FileReader& read)
{
    const FileReading reading = read(path, kProjectFileLimit);
    std::string problem = ReadingProblem(reading);
    if (problem.empty()) {
        try {
            return ReadProjectFile(reading.bytes);
        } catch (const ProjectFileError& error) {
            problem = error.what();
        }
    }
    return "Impossibile aprire «" + FileNameOf(path) + "»: " + problem + ".";
}

int StatusOf(const DesignCheck& check)
{
    if (!IsComplete(check)) {
        return kCannotBeChecked;
    }
    return check.approach2Ntc2008Ntc2018 == Verdict::NotVerified ? kNotVerified : 0;
}

}  // namespace

CommandOutput RunCheckCommand(const std::vector<std::string>& arguments, const FileReader& read,
                              const NumberFormat& format)
{
    CommandOutput output;
    const bool json = !arguments.empty() && arguments.front() == "--json";
    const std::vector<std::string> files(arguments.begin() + (json ? 1 : 0), arguments.end());
    if (files.empty()) {
        output.err = "uso: portanza-pali --verifica [--json] FILE...\n";
        output.status = kCannotBeChecked;
        return output;
    }
    for (const std::string& file : files) {
        const auto project = OpenProject(file, read);
        if (const auto* problem = std::get_if<std::string>(&project)) {
            output.err += *problem + "\n";
            output.status = kCannotBeChecked;
            continue;
        }
        const Project& opened = std::get<Project>(project);
        const DesignCheck check = CheckDesign(opened.form, opened.state, opened.verticals, format);
        output.out += json ? DesignCheckJson(file, check, format) + "\n" : DesignCheckText(file, check, format);
        output.status = std::max(output.status, StatusOf(check));
    }
    return output;
}

std::variant<std::vector<PrintedLine>, std::string> ReportOfFile(const std::string& path, const FileReader& read,
                                                                 const NumberFormat& format)
{
    auto project = OpenProject(path, read);
    if (auto* problem = std::get_if<std::string>(&project)) {
        return *problem;
    }
    Project& opened = std::get<Project>(project);
    const std::vector<PrintItems> checkLines = ReportCheckLines(opened.form, opened.state, opened.verticals, format);
    RecordingPrinter printer(format);
    try {
        ComposeReport(opened.form, opened.state, printer, format, checkLines);
    } catch (const RunTimeError& error) {
        return "Impossibile stampare «" + FileNameOf(path) + "»: " + ErrorLine(error) + ".";
    }
    return printer.lines();
}

}  // namespace pali
