#include "report/line_layout.h"

#include "report/item_text.h"

namespace pali {
namespace {

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

std::vector<std::string> LayOutLine(const PrintItems& items, const NumberFormat& format)
{
    LineLayout layout;
    for (const PrintItem& item : items) {
        if (const auto* column = std::get_if<Column>(&item)) {
            layout.MoveTo(column->column);
        } else {
            layout.Append(ItemText(item, format));
        }
    }
    return layout.TakeLines();
}

}  // namespace pali
