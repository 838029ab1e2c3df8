// SPDX-License-Identifier: MIT

#include "app/design_check_texts.h"

#include <nlohmann/json.hpp>

#include "app/error_message.h"
#include "core/state/conversions.h"

namespace pali {

namespace {

constexpr std::string_view kNoVerdict = "nessun carico di compressione";

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::string Tonnes(const std::optional<double>& value, const NumberFormat& format)
{
    return value ? TwoDecimals(*value, format) + " t" : "-";
}

std::string NqText(const NqReading& nq, const NumberFormat& format)
{
    return nq.value ? OneDecimal(*nq.value, format) : "nessuno (" + nq.reason + ")";
}

PrintItems Label(std::string_view label, const std::string& value)
{
    return {print::Literal{"        " + std::string(label) + "=" + value}};
}

PrintItems CombinationRow(const CombinationCheck& combination, const NumberFormat& format)
{
    if (combination.error) {
        return {print::Literal{"        " + std::string(combination.name)}, print::Column{29},
                print::Literal{ErrorLine(*combination.error)}};
    }
    return {print::Literal{"        " + std::string(combination.name)},
            print::Column{29},
            print::Literal{FigureOrDash(combination.ed, format)},
            print::Column{44},
            print::Literal{FigureOrDash(combination.rd, format)},
            print::Column{59},
            print::Literal{FigureOrDash(combination.ratio, format)},
            print::Column{71},
            print::Literal{CombinationOutcome(combination)}};
}

std::string JsonFigure(const std::optional<double>& value)
{
    return value ? TwoDecimals(*value, NumberFormat::Point()) : "null";
}

std::string JsonText(std::string_view text)
{
    return nlohmann::json(std::string(text)).dump();
}

std::string JsonVerdict(const std::optional<Verdict>& verdict)
{
    return verdict ? JsonText(VerdictText(*verdict)) : "null";
}

}  // namespace

std::string FigureOrDash(const std::optional<double>& value, const NumberFormat& format)
{
    return value ? TwoDecimals(*value, format) : "-";
}

std::string VerdictOrDash(const std::optional<Verdict>& verdict)
{
    return verdict ? std::string(VerdictText(*verdict)) : "-";
}

std::string FactorsText(const CorrelationFactors& factors, const NumberFormat& format)
{
    return "ξ3 = " + TwoDecimals(factors.xi3, format) + ", ξ4 = " + TwoDecimals(factors.xi4, format);
}

std::string CombinationOutcome(const CombinationCheck& combination)
{
    if (combination.verdict) {
        return std::string(VerdictText(*combination.verdict));
    }
    return combination.ed && combination.rd ? std::string(kNoVerdict) : "-";
}

bool IsComplete(const DesignCheck& check)
{
    for (const CombinationCheck& combination : check.combinations) {
        if (combination.error) {
            return false;
        }
    }
    return check.verticals.factors.has_value();
}

std::vector<PrintItems> DesignCheckReportLines(const DesignCheck& check, const NumberFormat& format)
{
    std::vector<PrintItems> lines;
    lines.push_back({print::Literal{" VERIFICA DI PROGETTO (D.M. 14/01/2008 E D.M. 17/01/2018, PAR. 6.4.3.1.1)"}});
    lines.push_back(Label("NUMERO DI VERTICALI INDAGATE",
                          check.verticals.verticals ? RealText(*check.verticals.verticals, format) : "-"));
    if (check.verticals.factors) {
        lines.push_back(Label("FATTORI DI CORRELAZIONE (TAB. 6.4.IV)", FactorsText(*check.verticals.factors, format)));
    }
    lines.push_back(Label("Nq DALLA TABELLA", NqText(check.nq, format)));
    lines.push_back({print::Literal{"        COMBINAZIONE"}, print::Column{29}, print::Literal{"Ed (t)"},
                     print::Column{44}, print::Literal{"Rd (t)"}, print::Column{59}, print::Literal{"Rd/Ed"},
                     print::Column{71}, print::Literal{"ESITO"}});
    for (const CombinationCheck& combination : check.combinations) {
        lines.push_back(CombinationRow(combination, format));
    }
    lines.push_back(Label(Upper(kApproach1Name), VerdictOrDash(check.approach1Ntc2008)));
    lines.push_back(Label(Upper(kApproach2Name), VerdictOrDash(check.approach2Ntc2008Ntc2018)));
    for (const std::string& warning : check.warnings) {
        lines.push_back({print::Literal{"        AVVISO: " + warning}});
    }
    return lines;
}

std::vector<PrintItems> ReportCheckLines(const FormContents& form, const ProjectState& state,
                                         const std::string& verticals, const NumberFormat& format)
{
    if (verticals.empty()) {
        return {};
    }
    return DesignCheckReportLines(CheckDesign(form, state, verticals, format), format);
}

std::string DesignCheckText(const std::string& file, const DesignCheck& check, const NumberFormat& format)
{
    std::string text = file + "\n";
    text += "  Verticali indagate: ";
    text += check.verticals.factors ? RealText(*check.verticals.verticals, format) + " (" +
                                          FactorsText(*check.verticals.factors, format) + ")"
                                    : "-";
    text += "\n  Nq dalla tabella: " + NqText(check.nq, format) + "\n";
    for (const CombinationCheck& combination : check.combinations) {
        text += "  " + std::string(combination.name) + ": ";
        if (combination.error) {
            text += ErrorLine(*combination.error) + "\n";
            continue;
        }
        text += "Ed = " + Tonnes(combination.ed, format) + ", Rd = " + Tonnes(combination.rd, format) +
                ", Rd/Ed = " + FigureOrDash(combination.ratio, format) + ": " + CombinationOutcome(combination) + "\n";
    }
    text += "  " + std::string(kApproach1Name) + ": " + VerdictOrDash(check.approach1Ntc2008) + "\n";
    text += "  " + std::string(kApproach2Name) + ": " + VerdictOrDash(check.approach2Ntc2008Ntc2018) + "\n";
    for (const std::string& warning : check.warnings) {
        text += "  Avviso: " + warning + "\n";
    }
    return text;
}

std::string DesignCheckJson(const std::string& file, const DesignCheck& check)
{
    std::string json = "{\"file\": " + JsonText(file);
    json += ", \"nq_tabella\": " + (check.nq.value ? OneDecimal(*check.nq.value, NumberFormat::Point()) : "null");
    json += ", \"nq_motivo\": " + (check.nq.value ? "null" : JsonText(check.nq.reason));
    const bool hasFactors = check.verticals.factors.has_value();
    json += ", \"verticali\": " + (hasFactors ? RealText(*check.verticals.verticals, NumberFormat::Point()) : "null");
    json += ", \"xi3\": " + (hasFactors ? TwoDecimals(check.verticals.factors->xi3, NumberFormat::Point()) : "null");
    json += ", \"xi4\": " + (hasFactors ? TwoDecimals(check.verticals.factors->xi4, NumberFormat::Point()) : "null");
    json += ", \"combinazioni\": [";
    for (std::size_t index = 0; index < check.combinations.size(); ++index) {
        const CombinationCheck& combination = check.combinations[index];
        json += index == 0 ? "" : ", ";
        json += "{\"nome\": " + JsonText(combination.name) + ", \"Ed\": " + JsonFigure(combination.ed) +
                ", \"Rd\": " + JsonFigure(combination.rd) + ", \"rapporto\": " + JsonFigure(combination.ratio) +
                ", \"esito\": " + JsonVerdict(combination.verdict) +
                ", \"errore\": " + (combination.error ? JsonText(ErrorLine(*combination.error)) : "null") + "}";
    }
    json += "], \"approccio1_ntc2008\": " + JsonVerdict(check.approach1Ntc2008);
    json += ", \"approccio2_ntc2008_ntc2018\": " + JsonVerdict(check.approach2Ntc2008Ntc2018);
    json += ", \"avvisi\": [";
    for (std::size_t index = 0; index < check.warnings.size(); ++index) {
        json += (index == 0 ? "" : ", ") + JsonText(check.warnings[index]);
    }
    return json + "]}";
}

}  // namespace pali
