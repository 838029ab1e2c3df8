// SPDX-License-Identifier: MIT

#include "core/report/report_texts.h"

namespace pali {

std::string PrinterFailedMessage(std::string_view printerName)
{
    return "La stampante «" + std::string(printerName) +
           "» non ha potuto stampare la relazione.\nI dati del progetto restano nella finestra.";
}

}  // namespace pali
