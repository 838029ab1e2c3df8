// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/calculation_report/document.h"
#include "app/calculation_report/report_inputs.h"
#include "app/drawing.h"
#include "core/calc/capacity_breakdown.h"
#include "core/check/design_check.h"
#include "core/check/length_curve.h"
#include "core/check/simple_calculation.h"

namespace pali::doc {

// What the sections are written from: the inputs, and what the program
// computes of them once for the whole report.
struct ReportContext {
    const ReportInputs& inputs;
    const draw::TextMeasure& measure;
    DesignCheck check;
    LengthCurve curve;
    std::array<CapacityBreakdown, 3> breakdowns;

    const NumberFormat& format() const { return inputs.format; }
    const FormContents& form() const { return inputs.form; }
    const ProjectState& state() const { return inputs.state; }
};

// The combination of NTC 2018 (Approach 2), the one the report judges by.
inline constexpr std::size_t kNtc2018Option = 2;

// Each section appends its blocks, its heading first.
void CoverSection(const ReportContext& context, Blocks& blocks);
void DescriptionSection(const ReportContext& context, Blocks& blocks);
void RegulationsSection(const ReportContext& context, Blocks& blocks);
void UnitsSection(const ReportContext& context, Blocks& blocks);
void ParametersSection(const ReportContext& context, Blocks& blocks);
void MethodSection(const ReportContext& context, Blocks& blocks);
void CombinationsSection(const ReportContext& context, Blocks& blocks);
void CalculationSection(const ReportContext& context, Blocks& blocks);
void ChecksSection(const ReportContext& context, Blocks& blocks);
void CodeSection(const ReportContext& context, Blocks& blocks);
void JudgementSection(const ReportContext& context, Blocks& blocks);
void AnnexSection(const ReportContext& context, Blocks& blocks);

// The pieces the sections are made of.
void AddHeading(Blocks& blocks, std::string text, int level = 1);
void AddParagraph(Blocks& blocks, std::string text, ParagraphKind kind = ParagraphKind::Body);
void AddTable(Blocks& blocks, std::vector<Column> columns, std::vector<std::vector<std::string>> rows);

// A typed box as the engineer typed it, or what stands for it when empty.
std::string TypedOr(const std::string& text, std::string_view missing = "non indicato");
// A force from its figure in tonnes as written: "1078,73 kN (110 t)"; "-"
// when the text holds no figure.
std::string Force(std::string_view tonnes, const NumberFormat& format);
// A unit weight likewise: "18,63 kN/m³ (1,9 t/m³)".
std::string UnitWeight(std::string_view tonnesPerCubicMetre, const NumberFormat& format);
// A real as the program writes it: 15 significant digits at most.
std::string Real(double value, const NumberFormat& format);
std::string Decimals(double value, int decimals, const NumberFormat& format);
// "A1+M1+R1 (Approccio 1, Combinazione 1)".
std::string CombinationTitle(std::size_t option);

}  // namespace pali::doc
