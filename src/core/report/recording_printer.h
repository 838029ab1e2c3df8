// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/report/report_printer.h"
#include "core/state/number_format.h"

namespace pali {

// One line of a composed report as it goes on paper: its text, spaces
// included, and the size of the face it is printed in.
struct PrintedLine {
    float fontSize;
    std::string text;

    bool operator==(const PrintedLine&) const = default;
};

// A printer that keeps the report as text lines tagged with their font size.
// The report is composed here in full before anything reaches paper, so a
// failure partway through never leaves half a document in the printer.
class RecordingPrinter : public ReportPrinter {
public:
    explicit RecordingPrinter(NumberFormat format);

    void SetFontSize(float points) override;
    void PrintLine(const PrintItems& items) override;
    void EndDocument() override;

    const std::vector<PrintedLine>& lines() const { return lines_; }
    bool documentEnded() const { return documentEnded_; }

private:
    static constexpr float kPrinterDefaultSize = 12.0F;

    NumberFormat format_;
    float fontSize_ = kPrinterDefaultSize;
    std::vector<PrintedLine> lines_;
    bool documentEnded_ = false;
};

// The text lines one PrintLine occupies. Usually one; a column item that finds
// the position already past its column ends the line there, and the remaining
// items continue on a new line from that column.
std::vector<std::string> LayOutLine(const PrintItems& items, const NumberFormat& format);

// Characters, not bytes: "è" takes one column like any other letter.
std::size_t CharacterCount(std::string_view utf8);
// The byte at which the character of that index (from 0) begins; the text's
// size when it has no more characters.
std::size_t ByteOfCharacter(std::string_view utf8, std::size_t character);

}  // namespace pali
