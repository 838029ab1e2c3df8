// SPDX-License-Identifier: MIT

#include "worked_example.h"

#include "core/calc/bearing_capacity.h"
#include "core/calc/worked_example.h"
#include "core/report/recording_printer.h"
#include "core/report/report_sequence.h"

namespace pali {

WorkedExampleData WorkedExampleProject()
{
    WorkedExampleData project;
    fixtures::EnterWorkedExample(project.form, project.state, 0);
    return project;
}

std::vector<PrintedLine> WorkedExampleReport()
{
    return WorkedExampleReportWithDiameter("60");
}

std::string LongDiameter()
{
    constexpr std::size_t kCharacters = 200'000;
    std::string digits;
    while (digits.size() < kCharacters) {
        digits += "0123456789";
    }
    return digits;
}

std::vector<PrintedLine> WorkedExampleReportWithDiameter(const std::string& diameter)
{
    WorkedExampleData project = WorkedExampleProject();
    ComputeBearingCapacity(project.form, project.state, NumberFormat::Comma());
    project.form[Box::A] = diameter;
    RecordingPrinter printer(NumberFormat::Comma());
    ComposeReport(project.form, project.state, printer, NumberFormat::Comma());
    return printer.lines();
}

void PrintTo(const PrintedLine& line, std::ostream* out)
{
    *out << line.fontSize << " pt \"" << line.text << "\"";
}

}  // namespace pali
