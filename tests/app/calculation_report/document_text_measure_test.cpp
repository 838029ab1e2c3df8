// SPDX-License-Identifier: MIT

#include "app/calculation_report/document_text_measure.h"

#include <gtest/gtest.h>

namespace pali::doc {
namespace {

// Each character counts once however many bytes it takes; a byte that
// starts no valid UTF-8 sequence, and a character outside the table, as wide
// as a digit.
TEST(DocumentTextMeasure, TextIsAsWideAsItsCharactersAdvancesAtItsSize)
{
    const struct {
        const char* text;
        bool bold;
        int thousandths;  // of the em: the sum of the published advances
    } measured[] = {
        {"Rd/Ed", false, 722 + 556 + 278 + 667 + 556},
        {"Rd/Ed", true, 722 + 611 + 278 + 667 + 611},
        {"Profondità", false, 667 + 333 + 556 + 278 + 556 + 556 + 556 + 222 + 278 + 556},
        {"ÀÈÉÌÒÙ", true, 722 + 667 + 667 + 278 + 778 + 722},
        {"φγξπ", false, 648 + 500 + 448 + 690},
        {"φγξπ", true, 715 + 556 + 445 + 766},
        {"30° ≥≤·²³", false, 556 + 556 + 400 + 278 + 549 + 549 + 278 + 333 + 333},
        {"€\xFF"
         "a\xC3(",
         false, 556 + 556 + 556 + 556 + 333},
    };
    const DocumentTextMeasure measure;
    for (const auto& [text, bold, thousandths] : measured) {
        EXPECT_DOUBLE_EQ(measure.width(text, 10.0, bold), thousandths / 100.0) << text << (bold ? " bold" : "");
    }
    EXPECT_DOUBLE_EQ(measure.lineHeight(10.0), 11.5);
}

}  // namespace
}  // namespace pali::doc
