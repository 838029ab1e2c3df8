#include "report/item_text.h"

#include "report/overloaded.h"
#include "state/conversions.h"

namespace pali {
namespace {

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

}  // namespace

std::string ItemText(const PrintItem& item, const NumberFormat& format)
{
    return std::visit(
        Overloaded{
            [](const Literal& literal) { return literal.text; },
            [](const BoxText& box) { return box.text; },
            [&](const Picture& picture) {
                return PictureText(picture.content, picture.pattern, format);
            },
            [](const Number& number) { return SignedField(IntegerText(number.value)); },
            [&](const Cell& cell) { return CellField(cell.value, format); },
            [](const Column&) { return std::string(); },
        },
        item);
}

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char byte : utf8) {
        const bool continuation = (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
        count += continuation ? 0 : 1;
    }
    return count;
}

}  // namespace pali
