// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/calculation_report/calculation_report.h"
#include "core/calc/bearing_capacity.h"
#include "core/calc/worked_example.h"
#include "core/check/kilonewtons.h"

namespace pali::doc {
namespace {

using fixtures::EnterWorkedExample;
using fixtures::StoreLayerRow;

// Every character as wide as half the size: what a writer's face measures
// does not change what the report says.
class FixedWidth : public draw::TextMeasure {
public:
    double width(std::string_view text, double size, bool) const override
    {
        return 0.5 * size * static_cast<double>(text.size());
    }
    double lineHeight(double size) const override { return 1.2 * size; }
};

const std::vector<std::string> kSections = {
    "1. Descrizione dell'opera e della fondazione",
    "2. Inquadramento normativo",
    "3. Unità di misura e convenzioni",
    "4. Parametri di progetto",
    "5. Criteri di progettazione e modellazione",
    "6. Combinazioni delle azioni e coefficienti parziali",
    "7. Calcolo della portanza",
    "8. Rispetto delle verifiche",
    "9. Codice di calcolo impiegato",
    "10. Giudizio motivato di accettabilità dei risultati",
    "Allegato A. Tabulato del programma",
};

std::vector<std::string> Sections(const Document& document)
{
    std::vector<std::string> headings;
    for (const Block& block : document.blocks) {
        if (const auto* heading = std::get_if<Heading>(&block); heading && heading->level == 1) {
            headings.push_back(heading->text);
        }
    }
    return headings;
}

// The words of the document, a line for each paragraph, table row and caption.
std::string Text(const Document& document)
{
    std::string text;
    for (const Block& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            for (const Run& run : paragraph->runs) {
                text += run.text;
            }
        } else if (const auto* table = std::get_if<Table>(&block)) {
            for (const auto& row : table->rows) {
                for (const std::string& cell : row) {
                    text += cell + " | ";
                }
                text += "\n";
            }
        } else if (const auto* figure = std::get_if<Figure>(&block)) {
            text += figure->caption;
        } else if (const auto* heading = std::get_if<Heading>(&block)) {
            text += heading->text;
        }
        text += "\n";
    }
    return text;
}

std::size_t Count(const Document& document, auto predicate)
{
    std::size_t count = 0;
    for (const Block& block : document.blocks) {
        count += predicate(block) ? 1 : 0;
    }
    return count;
}

class CalculationReportTest : public ::testing::Test {
protected:
    CalculationReportTest()
    {
        EnterWorkedExample(inputs.form, inputs.state, 2);
        inputs.verticals = "3";
        inputs.project = {"Capannone", "Rossi S.r.l.", "Parma", "Ing. Bianchi", "10/12/2026"};
        inputs.fileName = "capannone.pali";
        inputs.format = NumberFormat::Comma();
        inputs.version = "1.0.0";
        inputs.validationPath = "/usr/share/doc/portanza-pali/validazione.pdf";
        inputs.validationCases = 7;
    }

    Document Report() const { return CalculationReport(inputs, measure); }
    bool Has(const std::string& words) const { return Text(Report()).find(words) != std::string::npos; }

    ReportInputs inputs;
    FixedWidth measure;
};

TEST_F(CalculationReportTest, WorkedExampleHasEverySectionWithItsFigures)
{
    const Document document = Report();
    EXPECT_EQ(Sections(document), kSections);
    EXPECT_EQ(document.footer, "Capannone");
    const auto& title = std::get<Paragraph>(document.blocks.front());
    EXPECT_EQ(title.kind, ParagraphKind::Title);
    EXPECT_EQ(title.runs.front().text, "RELAZIONE DI CALCOLO");
    EXPECT_EQ(Count(document, [](const Block& block) { return std::holds_alternative<Figure>(block); }), 2U);
    const std::string text = Text(document);
    for (const char* words : {
             "File del progetto: capannone.pali",
             "Committente: Rossi S.r.l.",
             "Qp = γn · L · Nq · π · d² / (4 · γb) = 1,9 · 12 · 30 · 3,14 · 0,36 / 4 = 193,2984 t",
             "Portanza alla punta mostrata (M3): 1895,63 kN (193,3 t).",
             "Ed = γG1 · G1 + γG2 · G2 + γQ · Q = 1,3 · 50 + 1,5 · 10 + 1,5 · 20 = 110 t",
             "Azione di progetto su un palo: Ed = 1078,73 kN (110 t).",
             "Rd = Rgruppo / ξ3 = 313,09 / 1,60 = 195,68 t",
             "Rd = 1918,97 kN (195,68 t)",
             "σ'v,punta = Σ γi · Li = 1,8 · 5 + 1,9 · 7 = 22,3 t/m²",
             "sono coerenti.",
             "i risultati si giudicano accettabili.",
             "ricalcola i suoi 7 casi",
             "1 | 0,00 | 5,00 | 5 | 30 | 17,65 | 1,8 | 1 | ",
             "        PORTANZA TOTALE RIDOTTA(Np>1)(tonn.)=",
             " VERIFICA DI PROGETTO (D.M. 14/01/2008 E D.M. 17/01/2018, PAR. 6.4.3.1.1)",
         }) {
        EXPECT_NE(text.find(words), std::string::npos) << words;
    }
}

TEST_F(CalculationReportTest, WithoutVerticalsSaysWhatIsMissing)
{
    inputs.verticals.clear();
    inputs.project = {};
    inputs.fileName.clear();
    const Document document = Report();
    EXPECT_EQ(Sections(document), kSections);
    EXPECT_EQ(document.footer, "Relazione di calcolo");
    const std::string text = Text(document);
    for (const char* words : {"Opera: (non indicata)", "File del progetto: (progetto non salvato)",
                              "Verticali indagate: non indicate", "Rd non si calcola"}) {
        EXPECT_NE(text.find(words), std::string::npos) << words;
    }
    EXPECT_EQ(text.find("VERIFICA DI PROGETTO"), std::string::npos);
}

// 1.5e308 t times 1.3 overflows under the combinations that factor the
// permanent load, and not under A2+M2+R2, which takes it as it is.
TEST_F(CalculationReportTest, ACombinationThatFailsSaysSoInEverySectionThatUsesIt)
{
    inputs.form[Box::CP] = "1,5E308";
    const Document document = Report();
    EXPECT_EQ(Sections(document), kSections);
    const std::string text = Text(document);
    EXPECT_NE(text.find("Il calcolo non si completa sotto questa combinazione: "), std::string::npos);
    EXPECT_NE(text.find("Il calcolo di confronto non si fa"), std::string::npos);
    EXPECT_NE(text.find("Qp = γn · L · Nq · π · d² / (4 · γb) = 1,9 · 12 · 30 · 3,14 · 0,36 / 6,8"), std::string::npos);
    EXPECT_NE(text.find("i risultati non si accettano"), std::string::npos);
}

// A length of 1e-320 under an Nq of 1e308: the program's calculation
// completes, the one made another way goes beyond the reals and says so.
TEST_F(CalculationReportTest, ASimpleCalculationBeyondTheRealsSaysSo)
{
    inputs.form[Box::B] = "1e-320";
    inputs.form[Box::K1] = "1e308";
    const std::string text = Text(Report());
    EXPECT_NE(text.find("Il calcolo di confronto non si completa: "), std::string::npos);
}

TEST_F(CalculationReportTest, TwentyLayersAreEachListedAndSummed)
{
    inputs.form[Box::B] = "20";
    inputs.form[Box::C] = "20";
    for (std::int32_t row = 1; row <= 20; ++row) {
        StoreLayerRow(inputs.state, row, {30.0 + row % 5, 1.0, 1.8 + 0.01 * row, 0.9});
    }
    const Document document = Report();
    EXPECT_EQ(Sections(document), kSections);
    const auto rows = [](const Block& block, std::size_t count) {
        const auto* table = std::get_if<Table>(&block);
        return table != nullptr && table->rows.size() == count;
    };
    // The layers, then the shaft under each combination, then the simple calculation.
    EXPECT_EQ(Count(document, [&](const Block& block) { return rows(block, 20); }), 5U);
    EXPECT_NE(Text(document).find("20 | 19,00 | 20,00 | 1 | 30 | "), std::string::npos);
}

// A light layer over a heavy tip layer: the program's point takes the tip's
// weight over the whole length, far above the overburden.
TEST_F(CalculationReportTest, JudgesAPointAboveTheSimpleCalculationUnsafe)
{
    StoreLayerRow(inputs.state, 1, {30.0, 10.0, 1.0, 1.0});
    StoreLayerRow(inputs.state, 2, {34.0, 2.0, 2.0, 1.0});
    const std::string text = Text(Report());
    EXPECT_NE(text.find("La portanza alla punta del programma supera quella di confronto di più del 20 %"),
              std::string::npos);
    EXPECT_NE(text.find("dal lato non sicuro"), std::string::npos);
    EXPECT_NE(text.find("i risultati non si accettano"), std::string::npos);
}

TEST_F(CalculationReportTest, AnEmptyWindowStillGivesEverySection)
{
    inputs = ReportInputs{};
    const Document document = Report();
    EXPECT_EQ(Sections(document), kSections);
    const std::string text = Text(document);
    for (const char* words : {"La stratigrafia non si elenca", "Il profilo del terreno non si disegna",
                              "Il tabulato si interrompe qui: "}) {
        EXPECT_NE(text.find(words), std::string::npos) << words;
    }
}

}  // namespace
}  // namespace pali::doc
