// SPDX-License-Identifier: MIT

// The annex: the program's printout, as STAMPA prints it.
#include "app/calculation_report/report_sections.h"
#include "app/design_check_texts.h"
#include "app/error_message.h"
#include "core/report/recording_printer.h"
#include "core/report/report_sequence.h"
#include "core/report/report_steps.h"

namespace pali::doc {

void AnnexSection(const ReportContext& context, Blocks& blocks)
{
    const ReportInputs& inputs = context.inputs;
    blocks.emplace_back(PageBreak{});
    AddHeading(blocks, "Allegato A. Tabulato del programma");
    const auto option = static_cast<std::size_t>(inputs.form.selectedCombination);
    AddParagraph(blocks,
                 "Il tabulato che il programma stampa con STAMPA, in tonnellate, per la combinazione "
                 "selezionata nella finestra" +
                     (option < kDesignCombinations.size() ? ", " + CombinationTitle(option) : std::string()) +
                     ", con il blocco della verifica quando il progetto ha le verticali indagate. Le righe "
                     "sono riportate come il programma le stampa; quelle in grassetto sono in corpo 20.");
    RecordingPrinter printer(inputs.format);
    ProjectState state = inputs.state;  // STAMPA counts its rows in the state
    std::optional<RunTimeError> stopped;
    try {
        ComposeReport(inputs.form, state, printer, inputs.format,
                      ReportCheckLines(inputs.form, inputs.state, inputs.verticals, inputs.format));
    } catch (const RunTimeError& error) {
        stopped = error;
    }
    for (const PrintedLine& line : printer.lines()) {
        blocks.emplace_back(Paragraph{ParagraphKind::Listing, {Run{line.text, line.fontSize > kBodyFontSize}}});
    }
    if (stopped) {
        AddParagraph(blocks, "Il tabulato si interrompe qui: " + ErrorLine(*stopped) + ".");
    }
}

}  // namespace pali::doc
