// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/design_check_texts.h"
#include "app/drawing.h"
#include "core/check/design_check.h"
#include "core/check/length_curve.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// The panel's captions, and the names a screen reader reads for its
// read-outs, on every front end.
inline constexpr std::string_view kCheckPanelTitle = "VERIFICA";
inline constexpr std::string_view kVerticalsCaption = "NUMERO DI VERTICALI INDAGATE";
inline constexpr std::string_view kNqFromTableCaption = "Nq DALLA TABELLA";
inline constexpr std::string_view kUseNqCaption = "USA";
inline constexpr std::string_view kGroundCaption = "piano campagna";
// The headings of the combinations' table, as the report's block prints them.
inline constexpr std::array<std::string_view, kCheckColumns.size()> kCombinationHeadings = [] {
    std::array<std::string_view, kCheckColumns.size()> headings{};
    for (std::size_t column = 0; column < headings.size(); ++column) {
        headings[column] = kCheckColumns[column].heading;
    }
    return headings;
}();
inline constexpr std::string_view kFactorsName = "Fattori di correlazione";
inline constexpr std::string_view kNqFromTableName = "Nq dalla tabella";
inline constexpr std::string_view kUseNqName = "Usa Nq dalla tabella";
inline constexpr std::string_view kProfileName = "Profilo del terreno";
inline constexpr std::string_view kWarningsName = "Avvisi";
// "Ed A1+M1+R1", "Esito NTC 2008, Approccio 1": what a read-out tells, and of what.
std::string ReadOutName(std::string_view figure, std::string_view of);
inline constexpr std::array<std::string_view, 4> kCombinationFigures = {"Ed", "Rd", "Rd/Ed", "Esito"};
inline constexpr std::string_view kVerdictFigure = "Esito";

// What the panel VERIFICA beside the form shows of the design check, as
// texts, so that every front end shows the same words and figures.
struct CheckPanelTexts {
    std::string factors;                 // xi3 and xi4, or why there are none
    std::string nq;                      // Nq from the table, or why there is none
    std::optional<std::string> nqToUse;  // what USA writes into K1
    struct Row {
        std::string name, ed, rd, ratio, outcome;
    };
    std::array<Row, 3> rows;
    std::string approach1;  // "NTC 2008, Approccio 1: VERIFICATO"
    std::string approach2;
    std::string shortestNtc2018;  // "LUNGHEZZA MINIMA NTC 2018: 9,30 m", or "...: nessuna entro ..."
    std::string shortestNtc2008;
    std::vector<std::string> warnings;
};

CheckPanelTexts PanelTexts(const DesignCheck& check, const LengthCurve& curve, const NumberFormat& format);

// The soil profile to draw, depths in metres from the ground level: each
// layer 1..n stored in the table, and the pile from the ground to its tip.
struct SoilProfile {
    struct Layer {
        int number;
        double top;
        double bottom;
        std::string label;      // "2  φ 34°  γ 1,9  K 0,8"
        std::string depthText;  // of its base: "12,00 m"
    };
    std::vector<Layer> layers;
    std::optional<double> pileLength;
    std::optional<double> pileDiameter;  // m
    std::string tipText;                 // "punta 12,00 m"
    double depth = 0.0;                  // the deepest of the layers and the tip
};

SoilProfile ProfileOf(const FormContents& form, const ProjectState& state, const NumberFormat& format);

// The soil profile as a picture of that size, texts of that size measured
// by the surface that paints it: the ground line and its caption, each layer
// a band to scale downwards from the ground line with its label and the
// depth of its base, the pile's bar a sixth of the way across, at least six
// units wide so that a thin pile still shows, and its tip's depth.
draw::Drawing ProfilePicture(const SoilProfile& profile, double width, double height, double textSize,
                             const draw::TextMeasure& measure);

// The soil profile with the chart of the design resistance against the
// pile's length beside it, on the same depth scale, so that a resistance
// reads level with its layer: each combination's Rd as a line of its own
// colour and dash (M8 without the verticals), its Ed as an upright line of
// the same, the typed length and the shortest lengths marked with their
// figures, axes with ticks and units.
draw::Drawing CheckPicture(const SoilProfile& profile, const LengthCurve& curve, double width, double height,
                           double textSize, const draw::TextMeasure& measure, const NumberFormat& format);

}  // namespace pali
