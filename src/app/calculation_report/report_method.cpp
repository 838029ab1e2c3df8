// SPDX-License-Identifier: MIT

// The method and its model, and the combinations with their partial factors.
#include "app/calculation_report/report_sections.h"
#include "core/calc/capacity_formulas.h"
#include "core/calc/design_combinations.h"
#include "core/check/nq_table.h"

namespace pali::doc {

namespace {

// The divisors hold the quarter of the cross-section and the hundred from
// centimetres; the factors on the resistances are what is left.
constexpr double kQuarterOfSection = 4.0;
constexpr double kCentimetresPerMetre = 100.0;

void GroupFactorTable(const ReportContext& context, Blocks& blocks)
{
    std::vector<Column> columns{{"Pali del gruppo", 2.0, Align::Left}};
    std::vector<std::string> factors{"η"};
    for (std::size_t piles = 1; piles <= kGroupFactors.size(); ++piles) {
        columns.push_back({std::to_string(piles), 1.0, Align::Right});
        factors.push_back(Decimals(kGroupFactors[piles - 1], 2, context.format()));
    }
    AddTable(blocks, std::move(columns), {std::move(factors)});
}

}  // namespace

void MethodSection(const ReportContext& context, Blocks& blocks)
{
    const std::string pi = Real(kPi, context.format());
    AddHeading(blocks, "5. Criteri di progettazione e modellazione");
    AddParagraph(blocks,
                 "La portanza assiale di un palo trivellato in terreno incoerente si calcola con il metodo di "
                 "Berezantzev, come nel testo di Tesk e Orbel, Elementi di costruzioni sismiche: la portanza "
                 "totale è la somma di quella alla punta e di quella laterale, Qt = Qp + Ql. Il programma calcola "
                 "esattamente queste formule, con π = " +
                     pi + " in ognuna e i prodotti raggruppati come sono scritti:");
    AddParagraph(blocks, "Qp = γn · L · Nq · " + pi + " · d² / (4 · γb)", ParagraphKind::Formula);
    AddParagraph(blocks, "Ql = Σi (½ · Ki · γi · Li · tan φi / γφ') · " + pi + " · D · L / (100 · γs)",
                 ParagraphKind::Formula);
    AddParagraph(blocks,
                 "γn è il peso dell'unità di volume dello strato della punta (l'ultimo), preso per tutta la "
                 "lunghezza L del palo; d è il diametro in m, D lo stesso in cm (il 100 lo porta in m); Ki, γi, Li "
                 "e φi sono coefficiente di spinta, peso, spessore e angolo di attrito dello strato i, dal primo "
                 "all'ultimo, e ogni strato conta per metà del proprio spessore; φ in radianti è φ° · " +
                     pi +
                     " / 180. γφ' divide tan φ della sola portanza laterale; γb e γs sono i coefficienti parziali "
                     "sulla punta e sul fusto.");
    AddParagraph(blocks,
                 "Le portanze si mostrano a due decimali. La portanza del gruppo è la portanza totale di un palo "
                 "come mostrata, a due decimali, per il fattore di gruppo η del numero dei pali:");
    GroupFactorTable(context, blocks);
    AddParagraph(blocks,
                 "La resistenza di progetto è Rd = Rgruppo / ξ3 e l'azione di progetto Ed = γG1 · G1 + γG2 · G2 + "
                 "γQ · Q. Il palo è verificato quando Rd ≥ Ed: il confronto si fa sulle cifre decimali che il "
                 "programma mostra, esattamente, così che Rd = Ed è verificato.");
    AddParagraph(blocks,
                 "Nq si legge dalla tabella della finestra per l'angolo di attrito alla punta e la snellezza L/D:");
    for (const std::string_view line : {kNqAnglesLine, kNqAt25Line, kNqAt50Line}) {
        AddParagraph(blocks, std::string(line), ParagraphKind::Formula);
    }
    AddParagraph(blocks,
                 "come la legge un ingegnere: per interpolazione lineare tra gli angoli della tabella, poi tra le "
                 "due righe di L/D; una snellezza sotto 25 prende la riga di 25; il valore si tronca al primo "
                 "decimale, dal lato della sicurezza. Il valore che il calcolo usa è quello digitato nella casella "
                 "K1: la relazione lo confronta con quello della tabella.");
    AddParagraph(blocks,
                 "Il metodo non considera: la trazione, i carichi orizzontali, i cedimenti, la rottura del gruppo "
                 "come blocco, l'attrito negativo, il sisma, i terreni coesivi, la falda se non attraverso i pesi "
                 "dell'unità di volume digitati (efficaci sotto falda, se così li si digita).");
}

void CombinationsSection(const ReportContext& context, Blocks& blocks)
{
    const NumberFormat& format = context.format();
    AddHeading(blocks, "6. Combinazioni delle azioni e coefficienti parziali");
    AddParagraph(blocks,
                 "Le tre combinazioni e i loro coefficienti parziali sulle azioni (A1, A2), sui parametri del "
                 "terreno (M1, M2) e sulle resistenze dei pali trivellati (R1, R2, R3):");
    std::vector<std::vector<std::string>> rows;
    for (std::size_t option = 0; option < kDesignCombinations.size(); ++option) {
        const DesignCombination& combination = kDesignCombinations[option];
        rows.push_back({CombinationTitle(option), Decimals(combination.permanentFactor, 2, format),
                        Decimals(combination.nonStructuralFactor, 2, format),
                        Decimals(combination.variableFactor, 2, format), Decimals(combination.tanPhiDivisor, 2, format),
                        Decimals(combination.pointDivisor / kQuarterOfSection, 2, format),
                        Decimals(combination.shaftDivisor / kCentimetresPerMetre, 2, format)});
    }
    AddTable(blocks,
             {{"Combinazione", 3.2, Align::Left},
              {"γG1", 0.8, Align::Right},
              {"γG2", 0.8, Align::Right},
              {"γQ", 0.8, Align::Right},
              {"γφ'", 0.8, Align::Right},
              {"γb", 0.8, Align::Right},
              {"γs", 0.8, Align::Right}},
             std::move(rows));
    AddParagraph(blocks,
                 "La verifica secondo le NTC 2018 è quella della combinazione A1+M1+R3 (Approccio 2); le due "
                 "dell'Approccio 1 delle NTC 2008 devono essere verificate entrambe.");
}

}  // namespace pali::doc
