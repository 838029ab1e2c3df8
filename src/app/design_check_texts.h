// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

#include "core/check/design_check.h"
#include "core/report/report_printer.h"
#include "core/state/number_format.h"

namespace pali {

// The design check as the engineer reads it, in Italian: the block the
// report prints after the combination line, the command line's lines, and
// its JSON (numbers with "."), each from the same figures.
std::vector<PrintItems> DesignCheckReportLines(const DesignCheck& check, const NumberFormat& format);
// The report's block for a window, computed on copies; none without verticals,
// so that the report is then the one the program always printed.
std::vector<PrintItems> ReportCheckLines(const FormContents& form, const ProjectState& state,
                                         const std::string& verticals, const NumberFormat& format);
std::string DesignCheckText(const std::string& file, const DesignCheck& check, const NumberFormat& format);
std::string DesignCheckJson(const std::string& file, const DesignCheck& check);

// The pieces every text of the check is made of, "-" where there is no figure.
inline constexpr std::string_view kApproach1Name = "NTC 2008, Approccio 1";
inline constexpr std::string_view kApproach2Name = "NTC 2008, Approccio 2 e NTC 2018";
std::string FigureOrDash(const std::optional<double>& value, const NumberFormat& format);
std::string VerdictOrDash(const std::optional<Verdict>& verdict);
std::string FactorsText(const CorrelationFactors& factors, const NumberFormat& format);
// What one computed combination came to: its verdict, or why it has none.
std::string CombinationOutcome(const CombinationCheck& combination);

// Whether the check can be signed: the verticals, and every combination computed.
bool IsComplete(const DesignCheck& check);

}  // namespace pali
