// SPDX-License-Identifier: MIT

#include "app/calculation_report/sample_document.h"

#include <string>

namespace pali::doc::sample {

namespace {

const char* const kFooter = "Ponte sul Rio Freddo <lotto 2> & \"variante\"";
const char* const kFirstHeading = "1. Descrizione dell'opera";
const char* const kSecondHeading = "1.1 Stratigrafia e parametri";
const char* const kFigureHeading = "2. Verifiche e figure";
const char* const kCell = "Sabbia limosa";
const char* const kFormula = "Qp = 3,14 · 0,60² / 4 · 18,0 · 12,00 · 25,3 = 1 544,61 kN";
const char* const kFigureText = "Profondità (m)";

Table LayerTable(std::size_t rows)
{
    Table table{{{"N.", 0.6, Align::Centre},
                 {"Terreno", 2.0, Align::Left},
                 {kRepeatedHeading, 1.2, Align::Right},
                 {"φ (°)", 1.0, Align::Right},
                 {"γ (kN/m³)", 1.0, Align::Right}},
                {}};
    for (std::size_t i = 0; i < rows; ++i) {
        table.rows.push_back(
            {std::to_string(i + 1), kCell, std::to_string(i + 1) + ",00", "3" + std::to_string(i % 10) + ",0", "18,5"});
    }
    return table;
}

Figure SampleFigure(std::size_t number)
{
    using namespace draw;
    Drawing drawing{400.0, 200.0, {}};
    drawing.primitives = {
        FilledRect{{40.0, 20.0, 380.0, 90.0}, Colour::SoilOdd},
        FilledRect{{40.0, 90.0, 380.0, 180.0}, Colour::SoilEven},
        StrokedRect{{40.0, 20.0, 380.0, 180.0}, {Colour::Ink, 0.75, Dash::Solid}},
        FilledRect{{100.0, 20.0, 112.0, 150.0}, Colour::Pile},
        Polyline{{{200.0, 20.0}, {260.0, 80.0}, {320.0, 170.0}}, {Colour::CombinationR3, 1.5, Dash::Dashed}},
        Polyline{{{40.0, 150.0}, {380.0, 150.0}}, {Colour::Shortest, 1.0, Dash::Dotted}},
        Text{{36.0, 20.0}, "0,00", Across::Right, Down::Middle, 8.0, false, Colour::Ink, std::nullopt},
        Text{{210.0, 198.0}, kFigureText, Across::Centre, Down::Bottom, 9.0, false, Colour::Ink, std::nullopt},
        Text{{378.0, 30.0}, "Rd ≥ Ed", Across::Right, Down::Top, 9.0, true, Colour::CombinationR3, std::nullopt},
    };
    return {drawing, "Figura " + std::to_string(number) + " – Profilo del terreno e portanza"};
}

}  // namespace

Document SampleDocument(std::size_t tableRows, std::size_t figures)
{
    Document document{kFooter, {}};
    auto& blocks = document.blocks;
    blocks.push_back(Paragraph{ParagraphKind::Title, {{"RELAZIONE DI CALCOLO"}}});
    blocks.push_back(Paragraph{ParagraphKind::Cover, {{"Committente: Comune di Forlì <ufficio tecnico> & C."}}});
    blocks.push_back(PageBreak{});
    blocks.push_back(Heading{1, kFirstHeading});
    blocks.push_back(Paragraph{
        ParagraphKind::Body,
        {{"Palo trivellato di diametro "}, {"D = 60 cm", true}, {", perché così è più sicuro.", false, true}}});
    blocks.push_back(Heading{2, kSecondHeading});
    blocks.push_back(LayerTable(tableRows));
    blocks.push_back(Paragraph{ParagraphKind::Formula, {{kFormula}}});
    blocks.push_back(Paragraph{ParagraphKind::Note, {{"Nota: ξ3 = 1,70 e γR ≤ 1,35 con le tensioni in kN/m²."}}});
    blocks.push_back(Heading{1, kFigureHeading});
    for (std::size_t i = 0; i < figures; ++i) {
        blocks.push_back(SampleFigure(i + 1));
    }
    return document;
}

std::vector<std::string> ShownTexts()
{
    return {kFooter,    "RELAZIONE DI CALCOLO", kFirstHeading, kSecondHeading, kFigureHeading, kCell, kFormula,
            kFigureText};
}

}  // namespace pali::doc::sample
