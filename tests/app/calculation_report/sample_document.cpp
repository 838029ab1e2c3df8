// SPDX-License-Identifier: MIT

#include "app/calculation_report/sample_document.h"

namespace pali::doc::sample {

const std::vector<std::string> kShownTexts = {
    "Ponte sul Rio Freddo <lotto 2> & \"variante\"",
    "RELAZIONE DI CALCOLO",
    "1. Descrizione dell'opera",
    "1.1 Stratigrafia e parametri",
    "2. Verifiche e figure",
    "Sabbia limosa",
    "Qp = 3,14 · 0,60² / 4 · 18,0 · 12,00 · 25,3 = 1 544,61 kN",
    "Profondità (m)",
};

namespace {

Figure SampleFigure(std::size_t number)
{
    using namespace draw;
    const Drawing drawing{
        400.0,
        200.0,
        {
            FilledRect{{40.0, 20.0, 380.0, 90.0}, Colour::SoilOdd},
            StrokedRect{{40.0, 20.0, 380.0, 180.0}, {Colour::Ink, 0.75, Dash::Solid}},
            Polyline{{{200.0, 20.0}, {260.0, 80.0}, {320.0, 170.0}}, {Colour::CombinationR3, 1.5, Dash::Dashed}},
            Polyline{{{40.0, 150.0}, {380.0, 150.0}}, {Colour::Shortest, 1.0, Dash::Dotted}},
            Text{{210.0, 198.0}, kShownTexts[7], Across::Centre, Down::Bottom, 9.0, false, Colour::Ink, std::nullopt},
            Text{{378.0, 30.0}, "Rd ≥ Ed", Across::Right, Down::Top, 9.0, true, Colour::CombinationR3, std::nullopt},
        }};
    return {drawing, "Figura " + std::to_string(number) + " – Profilo del terreno e portanza"};
}

}  // namespace

Document SampleDocument(std::size_t tableRows, std::size_t figures)
{
    Table table{{{"N.", 0.6, Align::Centre},
                 {"Terreno", 2.0},
                 {"Quota di base (m)", 1.2, Align::Right},
                 {"φ (°)", 1.0, Align::Right},
                 {"γ (kN/m³)", 1.0, Align::Right}},
                {}};
    for (std::size_t i = 1; i <= tableRows; ++i) {
        table.rows.push_back(
            {std::to_string(i), kShownTexts[5], std::to_string(i) + ",00", std::to_string(30 + i % 10), "18,5"});
    }
    Document document{kShownTexts[0],
                      {Paragraph{ParagraphKind::Title, {{kShownTexts[1]}}},
                       Paragraph{ParagraphKind::Cover, {{"Committente: Comune di Forlì <ufficio tecnico> & C."}}},
                       PageBreak{}, Heading{1, kShownTexts[2]},
                       Paragraph{ParagraphKind::Body,
                                 {{"Palo di diametro "}, {"D = 60 cm", true}, {", perché è così.", false, true}}},
                       Heading{2, kShownTexts[3]}, table, Paragraph{ParagraphKind::Formula, {{kShownTexts[6]}}},
                       Paragraph{ParagraphKind::Note, {{"Nota: ξ3 = 1,70 e γR ≤ 1,35."}}}, Heading{1, kShownTexts[4]}}};
    for (std::size_t i = 1; i <= figures; ++i) {
        document.blocks.push_back(SampleFigure(i));
    }
    return document;
}

}  // namespace pali::doc::sample
