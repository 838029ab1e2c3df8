// SPDX-License-Identifier: MIT

#include "win32/users_number_format.h"

#include <windows.h>

#include <iterator>
#include <string_view>

#include "win32/wide_text.h"

namespace pali {

NumberFormat UsersNumberFormat()
{
    wchar_t separator[8] = L".";
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, static_cast<int>(std::size(separator)));
    if (length <= 1) {
        return NumberFormat::Point();
    }
    return {Utf8Text(std::wstring_view(separator, static_cast<std::size_t>(length - 1)))};
}

}  // namespace pali
