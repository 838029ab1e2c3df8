// SPDX-License-Identifier: MIT

// The calculation written out with its numbers under each combination.
#include "app/calculation_report/report_sections.h"
#include "app/design_check_texts.h"
#include "app/error_message.h"
#include "core/calc/capacity_formulas.h"

namespace pali::doc {

namespace {

constexpr int kTableDecimals = 6;

std::string Times(std::initializer_list<std::string> factors)
{
    std::string product;
    for (const std::string& factor : factors) {
        product += (product.empty() ? "" : " · ") + factor;
    }
    return product;
}

void PointFigures(const CapacityBreakdown& figures, const NumberFormat& format, Blocks& blocks)
{
    AddParagraph(blocks, "Portanza alla punta, con γn dello strato " + std::to_string(figures.tipLayer) +
                             " (Nq = " + Real(figures.nq, format) + " dalla casella K1, d² in m²):");
    AddParagraph(blocks,
                 "Qp = γn · L · Nq · π · d² / (4 · γb) = " +
                     Times({Real(figures.tipUnitWeight, format), Real(figures.pointLength, format),
                            Real(figures.nq, format), Real(kPi, format), Real(figures.diameterSquared, format)}) +
                     " / " + Real(figures.combination->pointDivisor, format) + " = " + Real(figures.point, format) +
                     " t",
                 ParagraphKind::Formula);
    AddParagraph(blocks, "Portanza alla punta mostrata (M3): " + Force(figures.pointShown, format) + ".");
}

void ShaftFigures(const CapacityBreakdown& figures, const NumberFormat& format, Blocks& blocks)
{
    AddParagraph(blocks, "Portanza laterale, strato per strato (γφ' = " +
                             Real(figures.combination->tanPhiDivisor, format) + "; tan φ / γφ' e termini a " +
                             std::to_string(kTableDecimals) + " decimali, la somma come il programma la calcola):");
    std::vector<std::vector<std::string>> rows;
    for (const ShaftLayerFigures& layer : figures.layers) {
        rows.push_back({std::to_string(layer.row), Real(layer.lateral, format), Real(layer.unitWeight, format),
                        Real(layer.thickness, format), Real(layer.angle, format),
                        Decimals(layer.designTangent, kTableDecimals, format),
                        Decimals(layer.term, kTableDecimals, format)});
    }
    AddTable(blocks,
             {{"Strato", 0.8, Align::Centre},
              {"K", 0.8, Align::Right},
              {"γ (t/m³)", 1.0, Align::Right},
              {"L (m)", 0.9, Align::Right},
              {"φ (°)", 0.8, Align::Right},
              {"tan φ / γφ'", 1.3, Align::Right},
              {"½ · K · γ · L · tan φ / γφ'", 2.2, Align::Right}},
             std::move(rows));
    AddParagraph(blocks, "Σ = " + Real(figures.sum, format), ParagraphKind::Formula);
    AddParagraph(blocks,
                 "Ql = Σ · π · D · L / (100 · γs) = " +
                     Times({Real(figures.sum, format), Real(kPi, format), Real(figures.diameterCm, format),
                            Real(figures.shaftLength, format)}) +
                     " / " + Real(figures.combination->shaftDivisor, format) + " = " + Real(figures.shaft, format) +
                     " t",
                 ParagraphKind::Formula);
    AddParagraph(blocks, "Portanza laterale mostrata (M4): " + Force(figures.shaftShown, format) + ".");
}

void ResistanceFigures(const CapacityBreakdown& figures, const CombinationCheck& check,
                       const std::optional<CorrelationFactors>& factors, const NumberFormat& format, Blocks& blocks)
{
    AddParagraph(blocks,
                 "Qt = Qp + Ql = " + Real(figures.point, format) + " + " + Real(figures.shaft, format) + " = " +
                     Real(figures.total, format) + " t, mostrata (K3) " + figures.totalShown + " t",
                 ParagraphKind::Formula);
    AddParagraph(blocks,
                 "Rgruppo = K3 · η = " + figures.totalShown + " · " + Decimals(figures.groupFactor, 2, format) + " = " +
                     figures.groupShown + " t (M8)",
                 ParagraphKind::Formula);
    AddParagraph(blocks, "Portanza totale di un palo mostrata (K3): " + Force(figures.totalShown, format) +
                             "; portanza di un palo del gruppo mostrata (M8): " + Force(figures.groupShown, format) +
                             ".");
    if (!factors || !check.rd) {
        AddParagraph(blocks, "Rd non si calcola: manca il numero di verticali indagate, e con esso ξ3.");
        return;
    }
    const std::string rd = TwoDecimals(*check.rd, format);
    AddParagraph(
        blocks,
        "Rd = Rgruppo / ξ3 = " + figures.groupShown + " / " + Decimals(factors->xi3, 2, format) + " = " + rd + " t",
        ParagraphKind::Formula);
    AddParagraph(blocks, "Resistenza di progetto di un palo del gruppo: Rd = " + Force(rd, format) + ".");
}

void ActionFigures(const CapacityBreakdown& figures, const CombinationCheck& check, const NumberFormat& format,
                   Blocks& blocks)
{
    const DesignCombination& combination = *figures.combination;
    AddParagraph(blocks,
                 "Ed = γG1 · G1 + γG2 · G2 + γQ · Q = " + Real(combination.permanentFactor, format) + " · " +
                     Real(figures.permanent, format) + " + " + Real(combination.nonStructuralFactor, format) + " · " +
                     Real(figures.nonStructural, format) + " + " + Real(combination.variableFactor, format) + " · " +
                     Real(figures.variable, format) + " = " + figures.factoredLoad + " t",
                 ParagraphKind::Formula);
    AddParagraph(blocks, "Azione di progetto su un palo: Ed = " + Force(figures.factoredLoad, format) + ".");
    if (check.ratio) {
        AddParagraph(blocks, "Rd / Ed = " + FigureOrDash(check.ratio, format) + ": " + CombinationOutcome(check) + ".");
    } else if (check.rd) {
        AddParagraph(blocks, "Rd / Ed non si calcola: " + CombinationOutcome(check) + ".");
    }
}

}  // namespace

void CalculationSection(const ReportContext& context, Blocks& blocks)
{
    AddHeading(blocks, "7. Calcolo della portanza");
    AddParagraph(blocks,
                 "Per ogni combinazione il calcolo di CALCOLA PORTANZA, con i suoi numeri. Le figure intermedie "
                 "sono scritte con le cifre del programma (15 cifre significative al più), le portanze come la "
                 "finestra le mostra, a due decimali.");
    for (std::size_t option = 0; option < context.breakdowns.size(); ++option) {
        const CapacityBreakdown& figures = context.breakdowns[option];
        AddHeading(blocks, "7." + std::to_string(option + 1) + " " + CombinationTitle(option), 2);
        if (figures.error) {
            AddParagraph(blocks, "Il calcolo non si completa sotto questa combinazione: " + ErrorLine(*figures.error) +
                                     ". Nessuna portanza e nessuna verifica.");
            continue;
        }
        const CombinationCheck& check = context.check.combinations[option];
        PointFigures(figures, context.format(), blocks);
        ShaftFigures(figures, context.format(), blocks);
        ResistanceFigures(figures, check, context.check.verticals.factors, context.format(), blocks);
        ActionFigures(figures, check, context.format(), blocks);
    }
}

}  // namespace pali::doc
