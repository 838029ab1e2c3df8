// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

#include <QLocale>
#include <QString>

#include "core/state/number_format.h"

namespace pali {

// The program's own texts are UTF-8, as Qt's are not by default.
inline QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The user's decimal separator as it is now, as the window and the commands
// without a window take it.
inline NumberFormat UsersNumberFormat()
{
    return {QLocale().decimalPoint().toStdString()};
}

}  // namespace pali
