// SPDX-License-Identifier: MIT

#include "core/report/report_steps.h"

namespace pali {
namespace {

std::string Rule(std::size_t asterisks)
{
    return std::string(asterisks, '*');
}

}  // namespace

const std::vector<ReportStep>& ReportSteps()
{
    static const std::vector<ReportStep> steps = {
        FontSizeStep{20},
        BlankLinesStep{2},
        TextStep{"    PORTANZA DEI PALI DI FONDAZIONE"},
        FontSizeStep{kBodyFontSize},
        TextStep{Rule(37)},
        TextStep{"        Teoria  BEREZANTZEV  "},
        TextStep{"        Il programma è stato realizzato consultando il testo- TESK - ORBEL; "},
        TextStep{"        - ELEMENTI DI COSTRUZIONI SISMICHE "},
        TextStep{"        Qt=Qp+Ql=Ap*Gp*L*Nq+Al*(1/2(Ki*Gi*Li*TANG(0)i)"},
        TextStep{"  SECONDO LE NORME 2008   D.M. 14/01/2008"},
        TextStep{Rule(41) + "\""},
        TextStep{"        DIAMETRO DEL PALO (cm)=", Box::A},
        TextStep{"        LUNGHEZZA PALO (mt)=", Box::B},
        TextStep{"        NUMERO PALI=", Box::M5},
        BlankLinesStep{4},
        TextStep{"                                       DATI STRATIGRAFICI"},
        TextStep{Rule(112)},
        // Five headings run together; the layer values fall under them at
        // columns 7, 20, 37, 55 and 80.
        TextStep{"     STRATO"
                 "ANG.ATTRITO(gradi)"
                 "LUNGHEZZA(mt)"
                 " PESO SPEC.(tonn/mc)"
                 "COEF.PRESSIONE LAT."},
        TextStep{Rule(kLayerTableRuleWidth)},
        LayerRowsStep{},
        BlankLinesStep{4},
        TextStep{"        NQ(coefficiente TESK-ORBEL)=", Box::K1},
        BlankLinesStep{1},
        TextStep{"        CARICO  TOTALE(tonn.)=", Box::CARTOT, "#######.##"},
        BlankLinesStep{4},
        FontSizeStep{20},
        BlankLinesStep{2},
        TextStep{"                       RISULTATI"},
        TextStep{Rule(58)},
        FontSizeStep{kBodyFontSize},
        TextStep{"       CARICO TOTALE INCREMENTATO(tonn.)=", Box::CARMAG, "########.##"},
        TextStep{"        PORTANZA ALLA PUNTA(tonn.)=", Box::M3, "######.##"},
        TextStep{"        PORTANZA LATERALE (tonn.)=", Box::M4, "######.##"},
        TextStep{"        PORTANZA TOTALE(tonn.)=", Box::K3, "#######.##"},
        TextStep{"        PORTANZA TOTALE RIDOTTA(Np>1)(tonn.)=", Box::M8, "#######.##"},
        BlankLinesStep{1},
        CombinationStep{},
        BlankLinesStep{2},
        TextStep{"                                     IL TECNICO"},
        EndStep{},
    };
    return steps;
}

}  // namespace pali
