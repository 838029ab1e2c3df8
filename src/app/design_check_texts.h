// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/check/design_check.h"
#include "core/check/length_curve.h"
#include "core/report/report_printer.h"
#include "core/state/number_format.h"

namespace pali {

// The design check as the engineer reads it, in Italian: the block the
// report prints after the combination line, the command line's lines, and
// its JSON (numbers with "."), each from the same figures.
std::vector<PrintItems> DesignCheckReportLines(const DesignCheck& check, const LengthCurve& curve,
                                               const NumberFormat& format);
// The report's block for a window, computed on copies; none without verticals,
// so that the report is then the one the program always printed.
std::vector<PrintItems> ReportCheckLines(const FormContents& form, const ProjectState& state,
                                         const std::string& verticals, const NumberFormat& format);
std::string DesignCheckText(const std::string& file, const DesignCheck& check, const LengthCurve& curve,
                            const NumberFormat& format);
// The figures with "."; the sentences (the reasons and the warnings) as the
// engineer reads them, in the user's format.
std::string DesignCheckJson(const std::string& file, const DesignCheck& check, const LengthCurve& curve,
                            const NumberFormat& format);

// The shortest lengths as the panel, the report and the command line name them.
inline constexpr std::string_view kShortestNtc2018Caption = "LUNGHEZZA MINIMA NTC 2018";
inline constexpr std::string_view kShortestNtc2008Caption = "LUNGHEZZA MINIMA NTC 2008 (APPROCCIO 1)";
// "9,30 m", or "nessuna entro 12,00 m" with the best Rd/Ed reached and where;
// "-" where the curve has no verdict.
std::string ShortestText(const ShortestLength& shortest, const LengthCurve& curve, const NumberFormat& format);
// The curve for a spreadsheet in the user's locale: ";" between fields, a
// header with each column's unit, a line for each length.
std::string CurveCsv(const LengthCurve& curve, const NumberFormat& format);
// One JSON object for each length, numbers with ".".
std::string CurveJson(const LengthCurve& curve);

// The pieces every text of the check is made of, "-" where there is no figure.
inline constexpr std::string_view kApproach1Name = "NTC 2008, Approccio 1";
inline constexpr std::string_view kApproach2Name = "NTC 2008, Approccio 2 e NTC 2018";
std::string FigureOrDash(const std::optional<double>& value, const NumberFormat& format);
std::string VerdictOrDash(const std::optional<Verdict>& verdict);
std::string FactorsText(const CorrelationFactors& factors, const NumberFormat& format);
// What one computed combination came to: its verdict, or why it has none.
std::string CombinationOutcome(const CombinationCheck& combination);

// Nq from the table with its one decimal, or "nessuno (" and why not ")".
std::string NqText(const NqReading& nq, const NumberFormat& format);
std::string NqMissingText(const NqReading& nq, const NumberFormat& format);
std::string VerticalsProblemText(VerticalsProblem problem);
// The check's warnings as sentences, in order.
std::vector<std::string> WarningTexts(const DesignCheck& check, const NumberFormat& format);

// The combinations' table, the same on the panel and in the report's block:
// each column's heading and where the report prints it.
struct CheckColumn {
    std::string_view heading;
    std::size_t reportColumn;
};
inline constexpr std::array<CheckColumn, 5> kCheckColumns = {{
    {"COMBINAZIONE", 0},
    {"Ed (t)", 29},
    {"Rd (t)", 44},
    {"Rd/Ed", 59},
    {"ESITO", 71},
}};

// Whether the check can be signed: the verticals, and every combination computed.
bool IsComplete(const DesignCheck& check);

}  // namespace pali
