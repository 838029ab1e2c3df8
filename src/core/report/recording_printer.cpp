// SPDX-License-Identifier: MIT

#include "core/report/recording_printer.h"

#include <utility>

#include "core/state/conversions.h"

namespace pali {
namespace {

// The bytes after the first of a character encoded in UTF-8.
bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// A number stands between two spaces; a minus sign takes the place of the
// leading one, so a negative value starts right in its column.
std::string SignedField(const std::string& digits)
{
    const bool negative = !digits.empty() && digits.front() == '-';
    return (negative ? "" : " ") + digits + " ";
}

std::string CellField(const ValueCell& cell, const NumberFormat& format)
{
    if (cell.IsEmpty()) {
        return {};
    }
    return SignedField(CellText(cell, format));
}

// The characters an item contributes to its line. A column item contributes
// none of its own: where it moves the position is the line layout's concern.
std::string ItemText(const print::Item& item, const NumberFormat& format)
{
    return std::visit(
        Overloaded{
            [](const print::Literal& literal) { return literal.text; },
            [](const print::BoxText& box) { return box.text; },
            [&](const print::Picture& picture) { return PictureText(picture.content, picture.pattern, format); },
            [](const print::Number& number) { return SignedField(IntegerText(number.value)); },
            [&](const print::Cell& cell) { return CellField(cell.value, format); },
            [](const print::Column&) { return std::string(); },
        },
        item);
}

class LineLayout {
public:
    void Append(const std::string& text)
    {
        lines_.back() += text;
        position_ += CharacterCount(text);
    }

    void MoveTo(std::size_t column)
    {
        if (position_ > column) {
            lines_.emplace_back(column - 1, ' ');
        } else {
            lines_.back().append(column - position_, ' ');
        }
        position_ = column;
    }

    std::vector<std::string> TakeLines() { return std::move(lines_); }

private:
    std::vector<std::string> lines_{std::string()};
    std::size_t position_ = 1;  // the column the next character goes to
};

}  // namespace

RecordingPrinter::RecordingPrinter(NumberFormat format) : format_(std::move(format))
{}

void RecordingPrinter::SetFontSize(float points)
{
    fontSize_ = points;
}

void RecordingPrinter::PrintLine(const PrintItems& items)
{
    for (std::string& text : LayOutLine(items, format_)) {
        lines_.push_back({fontSize_, std::move(text)});
    }
}

void RecordingPrinter::EndDocument()
{
    documentEnded_ = true;
}

std::vector<std::string> LayOutLine(const PrintItems& items, const NumberFormat& format)
{
    LineLayout layout;
    for (const print::Item& item : items) {
        if (const auto* column = std::get_if<print::Column>(&item)) {
            layout.MoveTo(column->column);
        } else {
            layout.Append(ItemText(item, format));
        }
    }
    return layout.TakeLines();
}

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char byte : utf8) {
        count += IsContinuationByte(byte) ? 0 : 1;
    }
    return count;
}

std::size_t ByteOfCharacter(std::string_view utf8, std::size_t character)
{
    std::size_t seen = 0;
    for (std::size_t byte = 0; byte < utf8.size(); ++byte) {
        if (!IsContinuationByte(utf8[byte]) && seen++ == character) {
            return byte;
        }
    }
    return utf8.size();
}

}  // namespace pali
