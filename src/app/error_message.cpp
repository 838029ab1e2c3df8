// SPDX-License-Identifier: MIT

#include "app/error_message.h"

#include "app/form1_controls.h"

namespace pali {

std::string_view ErrorKindText(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch: return "Tipo non corrispondente";
    case ErrorKind::Overflow: return "Overflow";
    case ErrorKind::DivisionByZero: return "Divisione per zero";
    case ErrorKind::SubscriptOutOfRange: return "Indice non compreso nell'intervallo";
    }
    return "Errore sconosciuto";
}

std::string ErrorMessage(const RunTimeError& error)
{
    std::string message = "Errore: ";
    message += ErrorKindText(error.kind());
    if (error.box()) {
        message += "\nCampo: \u00ab";
        message += BoxCaption(*error.box());
        message += "\u00bb";
    }
    message += "\nDati e risultati sono rimasti come prima del comando.";
    return message;
}

}  // namespace pali
