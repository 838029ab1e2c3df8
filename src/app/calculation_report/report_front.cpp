// SPDX-License-Identifier: MIT

// The report's first sections: the cover, the work and its foundation, the
// regulations, the units and conventions, and the design parameters.
#include "app/calculation_report/report_sections.h"
#include "app/design_check_texts.h"
#include "core/check/kilonewtons.h"
#include "core/check/nq_table.h"
#include "core/state/conversions.h"

namespace pali::doc {

namespace {

std::string Typed(const ReportContext& context, Box box)
{
    return TypedOr(context.form()[box]);
}

// A stored cell as the layer entry stored it, "-" when never stored.
std::string CellOrDash(const ValueCell& cell, const NumberFormat& format)
{
    return cell.IsEmpty() ? "-" : CellText(cell, format);
}

std::string KilonewtonsOrDash(const std::string& tonnes, const NumberFormat& format)
{
    return TonnesToKilonewtons(tonnes, format).value_or("-");
}

void LayerTable(const ReportContext& context, Blocks& blocks)
{
    const NumberFormat& format = context.format();
    const auto layers = ReadLayerCount(context.form(), format).TableRows();
    if (!layers || *layers < 1) {
        AddParagraph(blocks, "La stratigrafia non si elenca: il numero degli strati (casella C, " +
                                 Typed(context, Box::C) + ") non è un numero intero da 1 a " +
                                 std::to_string(kLastLayerRow) + ".");
        return;
    }
    std::vector<std::vector<std::string>> rows;
    bool unstored = false;
    double top = 0.0;
    for (std::int32_t row = 1; row <= *layers; ++row) {
        const ProjectState& state = context.state();
        const double base = top + CellReal(state.LUNG[row]);
        const std::string weight = CellOrDash(state.PESO[row], format);
        rows.push_back({std::to_string(row), Decimals(top, 2, format), Decimals(base, 2, format),
                        CellOrDash(state.LUNG[row], format), CellOrDash(state.ANG[row], format),
                        KilonewtonsOrDash(weight, format), weight, CellOrDash(state.KLAT[row], format)});
        unstored = unstored || state.LUNG[row].IsEmpty();
        top = base;
    }
    AddTable(blocks,
             {{"Strato", 0.8, Align::Centre},
              {"Da (m)", 1.0, Align::Right},
              {"A (m)", 1.0, Align::Right},
              {"Spessore (m)", 1.2, Align::Right},
              {"φ (°)", 0.9, Align::Right},
              {"γ (kN/m³)", 1.2, Align::Right},
              {"γ (t/m³)", 1.0, Align::Right},
              {"K", 0.8, Align::Right}},
             std::move(rows));
    AddParagraph(blocks,
                 "Profondità dal piano campagna; φ angolo di attrito, γ peso dell'unità di volume, K coefficiente di "
                 "spinta laterale, come memorizzati con OK." +
                     std::string(unstored ? " Un trattino indica uno strato mai memorizzato: il calcolo lo conta "
                                            "come uno strato di spessore zero."
                                          : ""),
                 ParagraphKind::Note);
}

void VerticalsParagraph(const ReportContext& context, Blocks& blocks)
{
    const VerticalsReading& verticals = context.check.verticals;
    if (verticals.factors) {
        AddParagraph(blocks, "Verticali indagate: " + Real(*verticals.verticals, context.format()) +
                                 "; fattori di correlazione (par. 6.4.3.1.1, tabella 6.4.IV): " +
                                 FactorsText(*verticals.factors, context.format()) +
                                 ". Un solo profilo del terreno è descritto, perciò la media e il minimo delle "
                                 "resistenze calcolate coincidono e la resistenza caratteristica è R / ξ3.");
        return;
    }
    AddParagraph(blocks,
                 "Verticali indagate: " +
                     (verticals.problem ? VerticalsProblemText(*verticals.problem) : std::string("non indicate")) +
                     ". Senza il loro numero i fattori di correlazione ξ3 e ξ4 non si leggono e la "
                     "resistenza di progetto Rd non si calcola.");
}

}  // namespace

void CoverSection(const ReportContext& context, Blocks& blocks)
{
    const ProjectData& project = context.inputs.project;
    AddParagraph(blocks, "RELAZIONE DI CALCOLO", ParagraphKind::Title);
    AddParagraph(blocks, "Portanza assiale di pali trivellati in terreno incoerente", ParagraphKind::Cover);
    AddParagraph(blocks, "Opera: " + TypedOr(project.work, "non indicata"), ParagraphKind::Cover);
    AddParagraph(blocks, "Committente: " + TypedOr(project.client), ParagraphKind::Cover);
    AddParagraph(blocks, "Località: " + TypedOr(project.place, "non indicata"), ParagraphKind::Cover);
    AddParagraph(blocks, "Progettista: " + TypedOr(project.designer), ParagraphKind::Cover);
    AddParagraph(blocks, "Data: " + TypedOr(project.date, "non indicata"), ParagraphKind::Cover);
    AddParagraph(blocks, "File del progetto: " + TypedOr(context.inputs.fileName, "progetto non salvato"),
                 ParagraphKind::Cover);
    blocks.emplace_back(PageBreak{});
}

void DescriptionSection(const ReportContext& context, Blocks& blocks)
{
    AddHeading(blocks, "1. Descrizione dell'opera e della fondazione");
    const std::string& work = context.inputs.project.work;
    AddParagraph(blocks, (work.empty() ? std::string("L'opera") : "L'opera «" + work + "»") +
                             " è fondata su pali trivellati in terreno incoerente: " + Typed(context, Box::M5) +
                             " pali di diametro D = " + Typed(context, Box::A) + " cm e lunghezza L = " +
                             Typed(context, Box::B) + " m, attraversando " + Typed(context, Box::C) +
                             " strati di terreno. La relazione verifica la portanza assiale in compressione di "
                             "un palo del gruppo.");
}

void RegulationsSection(const ReportContext&, Blocks& blocks)
{
    AddHeading(blocks, "2. Inquadramento normativo");
    AddParagraph(blocks,
                 "D.M. 17/01/2018, Aggiornamento delle «Norme tecniche per le costruzioni» (NTC 2018): par. 6.4.3 "
                 "(fondazioni su pali) e 6.4.3.1.1 (resistenze di progetto per carichi assiali: coefficienti "
                 "parziali γR della tabella 6.4.II, fattori di correlazione ξ della tabella 6.4.IV); cap. 10.2 "
                 "(analisi e verifiche svolte con l'ausilio di codici di calcolo). La verifica segue l'Approccio 2, "
                 "combinazione A1+M1+R3.");
    AddParagraph(blocks,
                 "Circolare 21/01/2019 n. 7 del C.S.LL.PP., Istruzioni per l'applicazione delle NTC 2018: C6.4.3 e "
                 "C10.2.1 (contenuti della relazione di calcolo e giudizio motivato di accettabilità dei "
                 "risultati).");
    AddParagraph(blocks,
                 "D.M. 14/01/2008 (NTC 2008), par. 6.4.3.1.1, per le due combinazioni dell'Approccio 1 "
                 "(A1+M1+R1 e A2+M2+R2), riportate per confronto.");
}

void UnitsSection(const ReportContext& context, Blocks& blocks)
{
    std::string factor(kKilonewtonsPerTonne);
    factor.replace(factor.find('.'), 1, context.format().decimalSeparator);
    AddHeading(blocks, "3. Unità di misura e convenzioni");
    AddParagraph(blocks,
                 "Le forze sono in kN, con accanto le tonnellate forza che il programma mostra: 1 t = " + factor +
                     " kN. Ogni valore in kN è il prodotto esatto delle cifre decimali in tonnellate come il "
                     "programma le scrive, arrotondato a due decimali (la metà per eccesso). I pesi dell'unità di "
                     "volume sono in kN/m³ con accanto i t/m³, le lunghezze e le profondità in m, il diametro del "
                     "palo in cm, gli angoli in gradi sessagesimali.");
    AddParagraph(blocks,
                 "Le forze di compressione sono positive. I carichi sono quelli su un palo, e la portanza del "
                 "gruppo è la portanza di un palo del gruppo, ridotta dal fattore di gruppo.");
}

void ParametersSection(const ReportContext& context, Blocks& blocks)
{
    const NumberFormat& format = context.format();
    AddHeading(blocks, "4. Parametri di progetto");
    AddHeading(blocks, "4.1 Il palo", 2);
    AddParagraph(blocks, "Diametro D = " + Typed(context, Box::A) + " cm; lunghezza L = " + Typed(context, Box::B) +
                             " m; numero dei pali del gruppo: " + Typed(context, Box::M5) + "; numero degli strati: " +
                             Typed(context, Box::C) + "; Nq digitato (casella K1): " + Typed(context, Box::K1) + ".");
    AddHeading(blocks, "4.2 La stratigrafia", 2);
    LayerTable(context, blocks);
    AddHeading(blocks, "4.3 I carichi caratteristici su un palo", 2);
    AddParagraph(blocks, "Permanenti strutturali G1 = " + Force(context.form()[Box::CP], format) +
                             "; permanenti non strutturali G2 = " + Force(context.form()[Box::CPNS], format) +
                             "; variabili Q = " + Force(context.form()[Box::CV], format) + ".");
    AddHeading(blocks, "4.4 Le indagini", 2);
    VerticalsParagraph(context, blocks);
}

}  // namespace pali::doc
