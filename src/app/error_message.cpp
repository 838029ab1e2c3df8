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

namespace {

std::string KindAndField(const RunTimeError& error, std::string_view beforeField)
{
    std::string text = "Errore: ";
    text += ErrorKindText(error.kind());
    if (error.box()) {
        text += beforeField;
        text += "Campo: \u00ab";
        text += BoxCaption(*error.box());
        text += "\u00bb";
    }
    return text;
}

}  // namespace

std::string ErrorMessage(const RunTimeError& error)
{
    return KindAndField(error, "\n") + "\nDati e risultati sono rimasti come prima del comando.";
}

std::string ErrorLine(const RunTimeError& error)
{
    return KindAndField(error, ", ");
}

}  // namespace pali
