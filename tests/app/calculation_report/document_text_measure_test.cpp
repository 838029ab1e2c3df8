// SPDX-License-Identifier: MIT

#include "app/calculation_report/document_text_measure.h"

#include <gtest/gtest.h>

#include <array>

namespace pali::doc {
namespace {

struct Measured {
    const char* text;
    bool bold;
    int thousandths;  // of the em: the sum of the published advances
};

// Each character counts once however many bytes it takes; a byte that
// starts no valid UTF-8 sequence counts as one character of a digit's width.
constexpr std::array<Measured, 14> kMeasured = {{
    {"", false, 0},
    {"Rd/Ed", false, 722 + 556 + 278 + 667 + 556},
    {"Rd/Ed", true, 722 + 611 + 278 + 667 + 611},
    {"Profondità", false, 667 + 333 + 556 + 278 + 556 + 556 + 556 + 222 + 278 + 556},
    {"ÀÈÉÌÒÙ", false, 667 + 667 + 667 + 278 + 778 + 722},
    {"ÀÈÉÌÒÙ", true, 722 + 667 + 667 + 278 + 778 + 722},
    {"φγξπ", false, 648 + 500 + 448 + 690},
    {"φγξπ", true, 715 + 556 + 445 + 766},
    {"30° ≥≤·²³", false, 556 + 556 + 400 + 278 + 549 + 549 + 278 + 333 + 333},
    {"{|}~", true, 389 + 280 + 389 + 584},
    {"€", false, 556},
    {"\xFF", false, 556},
    {"a\xC3(", false, 556 + 556 + 333},
    {"\xE2\x82", false, 556 + 556},
}};

TEST(DocumentTextMeasure, TextIsAsWideAsItsCharactersAdvancesAtItsSize)
{
    const DocumentTextMeasure measure;
    for (const Measured& measured : kMeasured) {
        EXPECT_DOUBLE_EQ(measure.width(measured.text, 10.0, measured.bold), measured.thousandths / 100.0)
            << measured.text << (measured.bold ? " bold" : "");
    }
    EXPECT_DOUBLE_EQ(measure.lineHeight(10.0), 11.5);
}

}  // namespace
}  // namespace pali::doc
