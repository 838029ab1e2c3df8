// SPDX-License-Identifier: MIT

#include "core/state/form_contents.h"

#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

namespace pali {

double LeadingNumberOf(const FormContents& form, Box box, const NumberFormat& format)
{
    return Blaming(box, [&] { return LeadingNumber(form[box], format); });
}

double LocaleRealOf(const FormContents& form, Box box, const NumberFormat& format)
{
    return Blaming(box, [&] { return LocaleReal(form[box], format); });
}

std::int32_t LocaleLongOf(const FormContents& form, Box box, const NumberFormat& format)
{
    return Blaming(box, [&] { return LocaleLong(form[box], format); });
}

std::int16_t LocaleIntegerOf(const FormContents& form, Box box, const NumberFormat& format)
{
    return Blaming(box, [&] { return LocaleInteger(form[box], format); });
}

}  // namespace pali
