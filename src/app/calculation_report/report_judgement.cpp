// SPDX-License-Identifier: MIT

// The reasoned judgement of the results: the checks on the input, each with
// its outcome, and the capacity made another way, compared and judged.
#include <algorithm>

#include "app/calculation_report/report_sections.h"
#include "app/design_check_texts.h"
#include "app/error_message.h"
#include "core/calc/capacity_formulas.h"
#include "core/check/nq_table.h"
#include "core/state/conversions.h"

namespace pali::doc {

namespace {

using Kind = CheckWarning::Kind;

constexpr std::string_view kPassed = "esito positivo.";

// The sentences of the check's warnings of these kinds, in order.
std::vector<std::string> WarningsOf(const ReportContext& context, std::initializer_list<Kind> kinds)
{
    const std::vector<std::string> texts = WarningTexts(context.check, context.format());
    std::vector<std::string> found;
    for (std::size_t index = 0; index < context.check.warnings.size(); ++index) {
        if (std::find(kinds.begin(), kinds.end(), context.check.warnings[index].kind) != kinds.end()) {
            found.push_back(texts[index]);
        }
    }
    return found;
}

struct InputCheck {
    std::string_view name;
    std::string outcome;
    bool passed;
};

InputCheck FromWarnings(const ReportContext& context, std::string_view name, std::initializer_list<Kind> kinds,
                        std::string passed)
{
    std::string outcome;
    for (const std::string& warning : WarningsOf(context, kinds)) {
        outcome += (outcome.empty() ? "esito negativo. " : " ") + warning;
    }
    return outcome.empty() ? InputCheck{name, passed + " " + std::string(kPassed), true}
                           : InputCheck{name, outcome, false};
}

std::vector<InputCheck> InputChecks(const ReportContext& context)
{
    const NqReading& nq = context.check.nq;
    const bool rows = ReadLayerCount(context.form(), context.format()).TableRows().has_value();
    std::vector<InputCheck> checks;
    if (rows) {
        checks.push_back(FromWarnings(context, "Spessori degli strati e lunghezza del palo", {Kind::LayersDoNotAddUp},
                                      "gli spessori sommano la lunghezza del palo, entro 1 cm:"));
        checks.push_back(FromWarnings(context, "Strati memorizzati", {Kind::LayerNotStored},
                                      "ogni strato è stato memorizzato con OK:"));
    } else {
        const std::string why = "non si controlla, il numero degli strati non è da 1 a 20.";
        checks.push_back({"Spessori degli strati e lunghezza del palo", why, false});
        checks.push_back({"Strati memorizzati", why, false});
    }
    if (nq.value) {
        checks.push_back(FromWarnings(context, "Nq digitato e Nq della tabella",
                                      {Kind::TypedNqAboveTable, Kind::TypedNqUnreadable},
                                      "il valore digitato in K1 non supera quello della tabella (" +
                                          OneDecimal(*nq.value, context.format()) + "):"));
    } else {
        checks.push_back({"Nq digitato e Nq della tabella",
                          "non si confronta: " + NqMissingText(nq, context.format()) + ".", false});
    }
    checks.push_back(nq.value ? InputCheck{"Punta nel campo della tabella",
                                           "l'angolo alla punta e la snellezza L/D stanno nella tabella di Nq: " +
                                               std::string(kPassed),
                                           true}
                              : InputCheck{"Punta nel campo della tabella",
                                           "esito negativo: " + NqMissingText(nq, context.format()) + ".", false});
    return checks;
}

std::string Judgement(std::string_view figure, const FigureComparison& comparison, std::string_view why)
{
    switch (comparison.agreement) {
    case Agreement::Consistent:
        return "La " + std::string(figure) +
               " del programma e quella di confronto differiscono per non più del 20 %: "
               "sono coerenti.";
    case Agreement::ProgramAbove:
        return "La " + std::string(figure) +
               " del programma supera quella di confronto di più del 20 %: " + std::string(why) +
               " Il valore del programma sta dal lato non sicuro rispetto al calcolo di confronto: il progettista "
               "deve giustificarlo o adottare il valore minore.";
    case Agreement::ProgramBelow:
        return "La " + std::string(figure) +
               " del programma è inferiore a quella di confronto di più del 20 %: " + std::string(why) +
               " Il valore del programma sta dal lato della sicurezza.";
    case Agreement::NotComparable: break;
    }
    return "Il rapporto tra la " + std::string(figure) +
           " del programma e quella di confronto non si calcola: quella di confronto è nulla.";
}

constexpr std::string_view kPointWhy =
    "la formula del programma prende il peso dell'unità di volume dello strato della punta per tutta la lunghezza "
    "del palo, mentre gli strati sopra la punta hanno un peso diverso.";
constexpr std::string_view kShaftWhy =
    "la formula del programma conta ogni strato per metà del proprio spessore sulla superficie laterale di tutto "
    "il palo, non con la tensione a metà profondità sulla propria superficie; strati di peso, K o φ diversi la "
    "spostano.";

void SimpleLayerTable(const SimpleCalculation& simple, const NumberFormat& format, Blocks& blocks)
{
    std::vector<std::vector<std::string>> rows;
    for (const SimpleShaftLayer& layer : simple.layers) {
        rows.push_back({std::to_string(layer.row), Decimals(layer.midDepthStress, 4, format),
                        Real(layer.lateral, format), Decimals(layer.designTangent, 6, format),
                        Real(layer.thickness, format), Decimals(layer.shaft, 4, format)});
    }
    AddTable(blocks,
             {{"Strato", 0.8, Align::Centre},
              {"σ'v a metà (t/m²)", 1.5, Align::Right},
              {"K", 0.8, Align::Right},
              {"tan φ / γφ'", 1.2, Align::Right},
              {"Li (m)", 0.8, Align::Right},
              {"K · σ'v · tan φ/γφ' · π · D · Li / γs (t)", 2.6, Align::Right}},
             std::move(rows));
}

std::string TipStressTerms(const CapacityBreakdown& figures, const NumberFormat& format)
{
    std::string terms;
    for (const ShaftLayerFigures& layer : figures.layers) {
        terms += (terms.empty() ? "" : " + ") + Real(layer.unitWeight, format) + " · " + Real(layer.thickness, format);
    }
    return terms.empty() ? "0" : terms;
}

// The capacity made another way under NTC 2018's combination; the ratios
// are the same under every combination, since the factors are the same on
// both sides.
bool SimpleCalculationFigures(const ReportContext& context, Blocks& blocks)
{
    const NumberFormat& format = context.format();
    const CapacityBreakdown& figures = context.breakdowns[kNtc2018Option];
    AddHeading(blocks, "10.2 Calcolo semplice di confronto", 2);
    if (figures.error) {
        AddParagraph(blocks, "Il calcolo di confronto non si fa: il calcolo del programma non si completa sotto " +
                                 CombinationTitle(kNtc2018Option) + " (" + ErrorLine(*figures.error) + ").");
        return false;
    }
    SimpleCalculation simple;
    try {
        simple = CalculateSimply(figures, context.state());
    } catch (const RunTimeError& error) {
        AddParagraph(blocks, "Il calcolo di confronto non si completa: " + ErrorLine(error) + ".");
        return false;
    }
    const std::string pi = Real(kPi, format);
    AddParagraph(blocks,
                 "La portanza si calcola in un altro modo, con gli stessi Nq, K, tan φ e coefficienti parziali della "
                 "combinazione " +
                     CombinationTitle(kNtc2018Option) +
                     ": la punta con la tensione verticale efficace alla punta, somma dei γi · Li degli strati; il "
                     "fusto strato per strato, con la tensione verticale efficace a metà dello strato (gli strati "
                     "sopra e metà del proprio) sulla propria superficie laterale π · D · Li. I rapporti non "
                     "dipendono dalla combinazione, perché i coefficienti sono gli stessi nei due calcoli.");
    AddParagraph(
        blocks,
        "σ'v,punta = Σ γi · Li = " + TipStressTerms(figures, format) + " = " + Real(simple.tipStress, format) + " t/m²",
        ParagraphKind::Formula);
    AddParagraph(blocks,
                 "Qp,s = σ'v,punta · Nq · π · d² / (4 · γb) = " + Real(simple.tipStress, format) + " · " +
                     Real(figures.nq, format) + " · " + pi + " · " + Real(figures.diameterSquared, format) + " / " +
                     Real(figures.combination->pointDivisor, format) + " = " + Decimals(simple.point, 2, format) + " t",
                 ParagraphKind::Formula);
    SimpleLayerTable(simple, format, blocks);
    AddParagraph(blocks, "Ql,s = Σ Ql,i = " + Decimals(simple.shaft, 2, format) + " t", ParagraphKind::Formula);
    AddParagraph(blocks,
                 "Qp / Qp,s = " + Decimals(figures.point, 2, format) + " / " + Decimals(simple.point, 2, format) +
                     " = " + (simple.pointComparison.ratio ? Decimals(*simple.pointComparison.ratio, 2, format) : "-") +
                     ";  Ql / Ql,s = " + Decimals(figures.shaft, 2, format) + " / " +
                     Decimals(simple.shaft, 2, format) + " = " +
                     (simple.shaftComparison.ratio ? Decimals(*simple.shaftComparison.ratio, 2, format) : "-"),
                 ParagraphKind::Formula);
    AddParagraph(blocks, Judgement("portanza alla punta", simple.pointComparison, kPointWhy));
    AddParagraph(blocks, Judgement("portanza laterale", simple.shaftComparison, kShaftWhy));
    const auto notAbove = [](const FigureComparison& comparison) {
        return comparison.agreement == Agreement::Consistent || comparison.agreement == Agreement::ProgramBelow;
    };
    return notAbove(simple.pointComparison) && notAbove(simple.shaftComparison);
}

}  // namespace

void JudgementSection(const ReportContext& context, Blocks& blocks)
{
    AddHeading(blocks, "10. Giudizio motivato di accettabilità dei risultati");
    AddHeading(blocks, "10.1 Controlli sui dati", 2);
    bool accepted = true;
    for (const InputCheck& check : InputChecks(context)) {
        AddParagraph(blocks, std::string(check.name) + ": " + check.outcome);
        accepted = accepted && check.passed;
    }
    accepted = SimpleCalculationFigures(context, blocks) && accepted;
    AddParagraph(blocks, accepted ? "In conclusione i dati superano i controlli e le portanze del programma non "
                                    "superano il calcolo di confronto oltre il 20 %: i risultati si giudicano "
                                    "accettabili."
                                  : "In conclusione i risultati non si accettano senza che il progettista esamini e "
                                    "giustifichi i punti segnalati sopra.");
}

}  // namespace pali::doc
