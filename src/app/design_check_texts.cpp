// SPDX-License-Identifier: MIT

#include "app/design_check_texts.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "app/error_message.h"
#include "core/calc/design_combinations.h"
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

// A figure of a sentence, written whatever its size.
std::string Figure(double value, const NumberFormat& format)
{
    if (std::isfinite(value)) {
        return RealText(value, format);
    }
    return value > 0.0 ? "oltre ogni numero reale" : value < 0.0 ? "sotto ogni numero reale" : "indefinito";
}

std::string RangeText(double low, double high, const NumberFormat& format)
{
    return RealText(low, format) + " a " + RealText(high, format);
}

std::string WarningText(const CheckWarning& warning, const DesignCheck& check, const NumberFormat& format)
{
    using Kind = CheckWarning::Kind;
    switch (warning.kind) {
    case Kind::NoVerticals:
        return "Per la resistenza di progetto serve il numero di verticali indagate (par. 6.4.3.1.1, tabella 6.4.IV).";
    case Kind::VerticalsUnusable:
        return "Per la resistenza di progetto serve il numero di verticali indagate: " +
               VerticalsProblemText(check.verticals.problem.value_or(VerticalsProblem::NotANumber)) + ".";
    case Kind::LayerNotStored:
        return "Lo strato " + std::to_string(warning.row) +
               " non è stato memorizzato con OK: conta come uno strato di spessore zero.";
    case Kind::LayersDoNotAddUp:
        return "Gli spessori degli strati sommano " + TwoDecimals(warning.first, format) +
               " m, la lunghezza del palo è " + TwoDecimals(warning.second, format) +
               " m: la portanza laterale somma tutti gli strati, quella di punta prende la lunghezza del palo.";
    case Kind::NqNotFromTable: return "Nq non si legge dalla tabella: " + NqMissingText(check.nq, format) + ".";
    case Kind::TypedNqAboveTable:
        return "Il valore di Nq digitato (" + Figure(warning.first, format) + ") supera quello della tabella (" +
               OneDecimal(warning.second, format) + "): è a sfavore di sicurezza.";
    case Kind::TypedNqUnreadable:
        return "Il valore di Nq digitato non si confronta con quello della tabella: " +
               std::string(ErrorKindText(warning.error.value_or(ErrorKind::Overflow))) +
               (warning.error == ErrorKind::Overflow ? " (il numero è oltre il campo dei numeri reali)." : ".");
    case Kind::LayerCountBeyondTable:
        return "Il numero degli strati (" + std::to_string(warning.row) + ") supera le " +
               std::to_string(kLastLayerRow) + " righe della tabella: il profilo ne mostra " +
               std::to_string(kLastLayerRow) + ".";
    }
    return {};
}

PrintItems Label(std::string_view label, const std::string& value)
{
    return {print::Literal{"        " + std::string(label) + "=" + value}};
}

// A row of the combinations' table, each text at its column.
PrintItems ColumnsRow(const std::vector<std::string_view>& texts)
{
    PrintItems row;
    row.reserve(2 * texts.size());
    row.emplace_back(print::Literal{"        " + std::string(texts.front())});
    for (std::size_t column = 1; column < texts.size(); ++column) {
        row.emplace_back(print::Column{kCheckColumns[column].reportColumn});
        row.emplace_back(print::Literal{std::string(texts[column])});
    }
    return row;
}

PrintItems CombinationRow(const CombinationCheck& combination, const NumberFormat& format)
{
    if (combination.error) {
        const std::string error = ErrorLine(*combination.error);
        return ColumnsRow({combination.name, error});
    }
    const std::string ed = FigureOrDash(combination.ed, format);
    const std::string rd = FigureOrDash(combination.rd, format);
    const std::string ratio = FigureOrDash(combination.ratio, format);
    const std::string outcome = CombinationOutcome(combination);
    return ColumnsRow({combination.name, ed, rd, ratio, outcome});
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

// A real as its 15 significant digits write it, or null.
std::string JsonReal(const std::optional<double>& value)
{
    return value && std::isfinite(*value) ? RealText(*value, NumberFormat::Point()) : "null";
}

// The longest curve stops at 200 m, and says so.
std::vector<std::string> CurveWarnings(const LengthCurve& curve, const NumberFormat& format)
{
    if (!curve.cut) {
        return {};
    }
    return {"Il profilo è profondo " + Figure(curve.profileDepth.value_or(0.0), format) +
            " m: le lunghezze del palo si cercano fino a " +
            RealText(static_cast<double>(kLongestCurveSteps) / kCurveStepsPerMetre, format) + " m."};
}

std::vector<std::string> AllWarnings(const DesignCheck& check, const LengthCurve& curve, const NumberFormat& format)
{
    std::vector<std::string> warnings = WarningTexts(check, format);
    for (std::string& warning : CurveWarnings(curve, format)) {
        warnings.push_back(std::move(warning));
    }
    return warnings;
}

}  // namespace

std::string NqMissingText(const NqReading& nq, const NumberFormat& format)
{
    switch (nq.missing.value_or(NqMissing::LayerCountNotInTable)) {
    case NqMissing::LayerCountNotInTable: return "il numero degli strati non è da 1 a 20";
    case NqMissing::BoxUnreadable:
        return "la casella " + std::string(BoxName(nq.unreadableBox.value_or(Box::C))) + " non si legge come numero";
    case NqMissing::ZeroDiameter: return "il diametro è zero";
    case NqMissing::AngleOutsideTable:
        return "l'angolo alla punta (" + Figure(nq.tipAngle.value_or(0.0), format) + "°) è fuori dalla tabella (" +
               RangeText(kNqAngles.front(), kNqAngles.back(), format) + "°)";
    case NqMissing::SlendernessOutsideTable:
        return "L/D (" + Figure(nq.slenderness.value_or(0.0), format) + ") è fuori dalla tabella (oltre 0 fino a " +
               RealText(kNqLastSlenderness, format) + ")";
    }
    return {};
}

std::string NqText(const NqReading& nq, const NumberFormat& format)
{
    return nq.value ? OneDecimal(*nq.value, format) : "nessuno (" + NqMissingText(nq, format) + ")";
}

std::string VerticalsProblemText(VerticalsProblem problem)
{
    return problem == VerticalsProblem::NotANumber
               ? "il numero di verticali indagate non è un numero"
               : "il numero di verticali indagate deve essere un numero intero da 1 in su";
}

std::vector<std::string> WarningTexts(const DesignCheck& check, const NumberFormat& format)
{
    std::vector<std::string> texts;
    for (const CheckWarning& warning : check.warnings) {
        texts.push_back(WarningText(warning, check, format));
    }
    return texts;
}

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

std::vector<PrintItems> DesignCheckReportLines(const DesignCheck& check, const LengthCurve& curve,
                                               const NumberFormat& format)
{
    std::vector<PrintItems> lines;
    lines.push_back({print::Literal{" VERIFICA DI PROGETTO (D.M. 14/01/2008 E D.M. 17/01/2018, PAR. 6.4.3.1.1)"}});
    lines.push_back(Label("NUMERO DI VERTICALI INDAGATE",
                          check.verticals.verticals ? RealText(*check.verticals.verticals, format) : "-"));
    if (check.verticals.factors) {
        lines.push_back(Label("FATTORI DI CORRELAZIONE (TAB. 6.4.IV)", FactorsText(*check.verticals.factors, format)));
    }
    lines.push_back(Label("Nq DALLA TABELLA", NqText(check.nq, format)));
    lines.push_back(ColumnsRow({kCheckColumns[0].heading, kCheckColumns[1].heading, kCheckColumns[2].heading,
                                kCheckColumns[3].heading, kCheckColumns[4].heading}));
    for (const CombinationCheck& combination : check.combinations) {
        lines.push_back(CombinationRow(combination, format));
    }
    lines.push_back(Label(Upper(kApproach1Name), VerdictOrDash(check.approach1Ntc2008)));
    lines.push_back(Label(Upper(kApproach2Name), VerdictOrDash(check.approach2Ntc2008Ntc2018)));
    lines.push_back(Label(kShortestNtc2018Caption, ShortestText(curve.shortestNtc2018, curve, format)));
    lines.push_back(Label(kShortestNtc2008Caption, ShortestText(curve.shortestNtc2008, curve, format)));
    for (const std::string& warning : AllWarnings(check, curve, format)) {
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
    return DesignCheckReportLines(CheckDesign(form, state, verticals, format),
                                  CurveOfLengths(form, state, verticals, format), format);
}

std::string DesignCheckText(const std::string& file, const DesignCheck& check, const LengthCurve& curve,
                            const NumberFormat& format)
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
    text += "  Lunghezza minima NTC 2018: " + ShortestText(curve.shortestNtc2018, curve, format) + "\n";
    text += "  Lunghezza minima NTC 2008 (Approccio 1): " + ShortestText(curve.shortestNtc2008, curve, format) + "\n";
    for (const std::string& warning : AllWarnings(check, curve, format)) {
        text += "  Avviso: " + warning + "\n";
    }
    return text;
}

std::string DesignCheckJson(const std::string& file, const DesignCheck& check, const LengthCurve& curve,
                            const NumberFormat& format)
{
    std::string json = "{\"file\": " + JsonText(file);
    json += ", \"nq_tabella\": " + (check.nq.value ? OneDecimal(*check.nq.value, NumberFormat::Point()) : "null");
    json += ", \"nq_motivo\": " + (check.nq.value ? "null" : JsonText(NqMissingText(check.nq, format)));
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
    json += ", \"profondita_profilo\": " + JsonReal(curve.profileDepth);
    json += ", \"lunghezza_minima_ntc2018\": " + JsonFigure(curve.shortestNtc2018.length);
    json += ", \"lunghezza_minima_ntc2008\": " + JsonFigure(curve.shortestNtc2008.length);
    json += ", \"avvisi\": [";
    const std::vector<std::string> warnings = AllWarnings(check, curve, format);
    for (std::size_t index = 0; index < warnings.size(); ++index) {
        json += (index == 0 ? "" : ", ") + JsonText(warnings[index]);
    }
    return json + "]}";
}

std::string ShortestText(const ShortestLength& shortest, const LengthCurve& curve, const NumberFormat& format)
{
    if (shortest.length) {
        return TwoDecimals(*shortest.length, format) + " m";
    }
    if (!shortest.bestRatio) {
        return "-";
    }
    return "nessuna entro " + TwoDecimals(curve.points.back().length, format) + " m (Rd/Ed massimo " +
           TwoDecimals(*shortest.bestRatio, format) + " a " + TwoDecimals(shortest.bestAt.value_or(0.0), format) +
           " m)";
}

namespace {

// Rd where the verticals give it, the capacity M8 where they do not.
bool HasDesignResistance(const LengthCurve& curve)
{
    return std::ranges::any_of(curve.points,
                               [](const CurvePoint& point) { return point.combinations[0].rd.has_value(); });
}

std::string CsvFigure(const std::optional<double>& value, const NumberFormat& format)
{
    return value ? TwoDecimals(*value, format) : "";
}

// A field with the separator or a quote in it is quoted, as spreadsheets read it.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(";\"\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string CsvCombination(const CombinationCheck& combination, bool designResistance, const NumberFormat& format)
{
    if (combination.error) {
        return ";" + CsvField(ErrorLine(*combination.error)) + ";;";
    }
    return ";" + CsvFigure(combination.ed, format) + ";" +
           CsvFigure(designResistance ? combination.rd : combination.capacity, format) + ";" +
           CsvFigure(combination.ratio, format);
}

}  // namespace

std::string CurveCsv(const LengthCurve& curve, const NumberFormat& format)
{
    const bool designResistance = HasDesignResistance(curve);
    std::string csv = "L (m);strato;Nq";
    for (const auto& combination : kDesignCombinations) {
        const std::string name(combination.name);
        csv += ";Ed " + name + " (t);" + (designResistance ? "Rd " : "M8 ") + name + " (t);Rd/Ed " + name;
    }
    csv += "\n";
    for (const CurvePoint& point : curve.points) {
        csv += TwoDecimals(point.length, format) + ";" + std::to_string(point.tipLayer) + ";" +
               CsvField(NqText(point.nq, format));
        for (const CombinationCheck& combination : point.combinations) {
            csv += point.HasValue() ? CsvCombination(combination, designResistance, format) : ";;;";
        }
        csv += "\n";
    }
    return csv;
}

std::string CurveJson(const LengthCurve& curve)
{
    const NumberFormat point = NumberFormat::Point();
    std::string json;
    for (const CurvePoint& at : curve.points) {
        json += "{\"L\": " + TwoDecimals(at.length, point) + ", \"strato\": " + std::to_string(at.tipLayer);
        json += ", \"nq\": " + (at.nq.value ? OneDecimal(*at.nq.value, point) : "null");
        json += ", \"nq_motivo\": " + (at.nq.value ? "null" : JsonText(NqMissingText(at.nq, point)));
        json += ", \"combinazioni\": [";
        for (std::size_t index = 0; at.HasValue() && index < at.combinations.size(); ++index) {
            const CombinationCheck& combination = at.combinations[index];
            json += index == 0 ? "" : ", ";
            json += "{\"nome\": " + JsonText(combination.name) + ", \"Ed\": " + JsonFigure(combination.ed) +
                    ", \"M8\": " + JsonFigure(combination.capacity) + ", \"Rd\": " + JsonFigure(combination.rd) +
                    ", \"rapporto\": " + JsonFigure(combination.ratio) +
                    ", \"esito\": " + JsonVerdict(combination.verdict) +
                    ", \"errore\": " + (combination.error ? JsonText(ErrorLine(*combination.error)) : "null") + "}";
        }
        json += "]}\n";
    }
    return json;
}

}  // namespace pali
