// SPDX-License-Identifier: MIT

// The pieces every section is made of, and the report put together.
#include <utility>

#include "app/calculation_report/calculation_report.h"
#include "app/calculation_report/report_sections.h"
#include "core/check/kilonewtons.h"
#include "core/state/conversions.h"

namespace pali::doc {

namespace {

constexpr std::array<std::string_view, 3> kCombinationApproaches = {
    "Approccio 1, Combinazione 1",
    "Approccio 1, Combinazione 2",
    "Approccio 2",
};

// A figure in tonnes and its kilonewtons, with the units of each.
std::string InBothUnits(std::string_view tonnes, std::string_view kilonewtonUnit, std::string_view tonneUnit,
                        const NumberFormat& format)
{
    const auto kilonewtons = TonnesToKilonewtons(tonnes, format);
    if (!kilonewtons) {
        return "-";
    }
    return *kilonewtons + " " + std::string(kilonewtonUnit) + " (" + std::string(tonnes) + " " +
           std::string(tonneUnit) + ")";
}

}  // namespace

void AddHeading(Blocks& blocks, std::string text, int level)
{
    blocks.emplace_back(Heading{level, std::move(text)});
}

void AddParagraph(Blocks& blocks, std::string text, ParagraphKind kind)
{
    blocks.emplace_back(Paragraph{kind, {Run{std::move(text)}}});
}

void AddTable(Blocks& blocks, std::vector<Column> columns, std::vector<std::vector<std::string>> rows)
{
    blocks.emplace_back(Table{std::move(columns), std::move(rows)});
}

std::string TypedOr(const std::string& text, std::string_view missing)
{
    return text.empty() ? "(" + std::string(missing) + ")" : text;
}

std::string Force(std::string_view tonnes, const NumberFormat& format)
{
    return InBothUnits(tonnes, "kN", "t", format);
}

std::string UnitWeight(std::string_view tonnesPerCubicMetre, const NumberFormat& format)
{
    return InBothUnits(tonnesPerCubicMetre, "kN/m³", "t/m³", format);
}

std::string Real(double value, const NumberFormat& format)
{
    return RealText(value, format);
}

std::string Decimals(double value, int decimals, const NumberFormat& format)
{
    return FixedDecimals(value, decimals, format);
}

std::string CombinationTitle(std::size_t option)
{
    return std::string(kDesignCombinations[option].name) + " (" + std::string(kCombinationApproaches[option]) + ")";
}

Document CalculationReport(const ReportInputs& inputs, const draw::TextMeasure& measure)
{
    ReportContext context{inputs,
                          measure,
                          CheckDesign(inputs.form, inputs.state, inputs.verticals, inputs.format),
                          CurveOfLengths(inputs.form, inputs.state, inputs.verticals, inputs.format),
                          {}};
    for (std::size_t option = 0; option < context.breakdowns.size(); ++option) {
        context.breakdowns[option] = BreakDownCapacity(inputs.form, inputs.state, option, inputs.format);
    }
    Document document;
    document.footer = inputs.project.work.empty() ? "Relazione di calcolo" : inputs.project.work;
    for (const auto section :
         {CoverSection, DescriptionSection, RegulationsSection, UnitsSection, ParametersSection, MethodSection,
          CombinationsSection, CalculationSection, ChecksSection, CodeSection, JudgementSection, AnnexSection}) {
        section(context, document.blocks);
    }
    return document;
}

}  // namespace pali::doc
