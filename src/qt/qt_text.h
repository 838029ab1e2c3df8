// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

#include <QString>

namespace pali {

// The program's own texts are UTF-8, as Qt's are not by default.
inline QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pali
