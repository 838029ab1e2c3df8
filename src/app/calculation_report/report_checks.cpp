// SPDX-License-Identifier: MIT

// The checks with their figures, and the calculation code.
#include "app/calculation_report/report_sections.h"
#include "app/check_panel.h"
#include "app/design_check_texts.h"
#include "app/error_message.h"

namespace pali::doc {

namespace {

// The figures on the page, in points.
constexpr double kProfileHeight = 320.0;
constexpr double kChartHeight = 380.0;
constexpr double kFigureTextSize = 8.0;

std::vector<std::string> CombinationRow(const ReportContext& context, std::size_t option)
{
    const CombinationCheck& check = context.check.combinations[option];
    const CapacityBreakdown& figures = context.breakdowns[option];
    const std::string name = CombinationTitle(option);
    if (check.error || figures.error) {
        return {name, ErrorLine(check.error ? *check.error : *figures.error), "-", "-", "-"};
    }
    const std::string rd = check.rd ? Force(TwoDecimals(*check.rd, context.format()), context.format()) : "-";
    return {name, Force(figures.factoredLoad, context.format()), rd, FigureOrDash(check.ratio, context.format()),
            CombinationOutcome(check)};
}

void Figures(const ReportContext& context, Blocks& blocks)
{
    const SoilProfile profile = ProfileOf(context.form(), context.state(), context.format());
    if (profile.layers.empty() && !profile.pileLength) {
        AddParagraph(blocks,
                     "Il profilo del terreno non si disegna: né gli strati né la lunghezza del palo sono "
                     "leggibili.");
    } else {
        blocks.emplace_back(
            Figure{ProfilePicture(profile, kTextWidth, kProfileHeight, kFigureTextSize, context.measure),
                   "Figura 1. Profilo del terreno con il palo, a scala."});
    }
    if (context.curve.points.empty()) {
        AddParagraph(blocks, "Il diagramma di Rd con la lunghezza del palo non si disegna: " +
                                 std::string(context.curve.profileDepth ? "il profilo non ha spessori"
                                                                        : "il numero degli strati non è da 1 a 20") +
                                 ".");
        return;
    }
    blocks.emplace_back(Figure{CheckPicture(profile, context.curve, kTextWidth, kChartHeight, kFigureTextSize,
                                            context.measure, context.format()),
                               "Figura 2. Resistenza di progetto Rd di ogni combinazione con la lunghezza del palo, "
                               "sulla stessa scala delle profondità, con Ed e le lunghezze minime."});
}

}  // namespace

void ChecksSection(const ReportContext& context, Blocks& blocks)
{
    const DesignCheck& check = context.check;
    AddHeading(blocks, "8. Rispetto delle verifiche");
    std::vector<std::vector<std::string>> rows;
    for (std::size_t option = 0; option < check.combinations.size(); ++option) {
        rows.push_back(CombinationRow(context, option));
    }
    AddTable(blocks,
             {{"Combinazione", 2.6, Align::Left},
              {"Ed", 1.8, Align::Right},
              {"Rd", 1.8, Align::Right},
              {"Rd/Ed", 0.8, Align::Right},
              {"Esito", 1.4, Align::Centre}},
             std::move(rows));
    AddParagraph(blocks, std::string(kApproach2Name) + ": " + VerdictOrDash(check.approach2Ntc2008Ntc2018) + ".");
    AddParagraph(blocks, std::string(kApproach1Name) + ": " + VerdictOrDash(check.approach1Ntc2008) + ".");
    AddParagraph(blocks, "Lunghezza minima NTC 2018: " +
                             ShortestText(context.curve.shortestNtc2018, context.curve, context.format()) +
                             ". Lunghezza minima NTC 2008 (Approccio 1): " +
                             ShortestText(context.curve.shortestNtc2008, context.curve, context.format()) +
                             ". È la lunghezza più corta verificata che resta verificata a ogni lunghezza maggiore, "
                             "cercata ogni 10 cm nel profilo con Nq dalla tabella.");
    for (const std::string& warning : WarningTexts(check, context.format())) {
        AddParagraph(blocks, "Avviso: " + warning, ParagraphKind::Note);
    }
    Figures(context, blocks);
}

void CodeSection(const ReportContext& context, Blocks& blocks)
{
    const ReportInputs& inputs = context.inputs;
    AddHeading(blocks, "9. Codice di calcolo impiegato");
    AddParagraph(blocks, "Titolo: Portanza dei pali per terreni incoerenti (portanza-pali). Versione: " +
                             TypedOr(inputs.version) +
                             ". Produttore e autori: The portanza-pali developers. Licenza: MIT, software libero; "
                             "la licenza non ha estremi da citare, il testo è nel file LICENSE del programma.");
    AddParagraph(blocks, "La relazione di validazione del programma (documentazione del par. 10.2) è installata in " +
                             TypedOr(inputs.validationPath, "percorso non indicato") + ". " +
                             (inputs.validationCases > 0
                                  ? "Ogni compilazione del programma ricalcola i suoi " +
                                        std::to_string(inputs.validationCases) +
                                        " casi risolti a mano e li confronta cifra per cifra con il programma."
                                  : std::string("Il numero dei casi risolti che ricalcola non è indicato.")));
    AddParagraph(blocks, "Il tabulato del programma è riportato nell'allegato A.");
}

}  // namespace pali::doc
