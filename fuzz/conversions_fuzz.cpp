// SPDX-License-Identifier: MIT

// Feeds arbitrary text to every conversion from text, under both separators.
// Each must give a number or raise a run-time error, nothing else.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

namespace {

template <class Conversion>
void Try(Conversion&& conversion)
{
    try {
        conversion();
    } catch (const pali::RunTimeError&) {
    }
}

void Exercise(std::string_view text, const pali::NumberFormat& format)
{
    Try([&] { pali::LeadingNumber(text, format); });
    Try([&] { pali::LocaleReal(text, format); });
    Try([&] { pali::LocaleLong(text, format); });
    Try([&] { pali::LocaleInteger(text, format); });
    pali::PictureText(text, "#####.##", format);
    Try([&] {
        const std::string written = pali::RealText(pali::LocaleReal(text, format), format);
        // LocaleReal reads back every text RealText writes, and a number once
        // written stays the same however often it is written and read again.
        const double value = pali::LocaleReal(written, format);
        if (pali::LocaleReal(pali::RealText(value, format), format) != value) {
            __builtin_trap();
        }
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Exercise(text, pali::NumberFormat::Point());
    Exercise(text, pali::NumberFormat::Comma());
    return 0;
}
