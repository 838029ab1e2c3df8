// SPDX-License-Identifier: MIT

#include "core/report/page_layout.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/report/report_steps.h"

namespace pali {
namespace {

// Widths are compared in floating point: a line that fits exactly must not be
// pushed over by the last bit of a quotient.
constexpr double kRoundingAllowance = 1e-9;

double NormalWidth(const MonospacedFace& face, float fontSize, std::size_t characters)
{
    return face.advance * fontSize * static_cast<double>(characters);
}

double FittingCondense(const std::vector<PrintedLine>& lines, double width, const MonospacedFace& face)
{
    double widest = 0;
    for (const PrintedLine& line : lines) {
        widest = std::max(widest, NormalWidth(face, line.fontSize, CharacterCount(line.text)));
    }
    const double legible = width / NormalWidth(face, kBodyFontSize, kLayerTableRuleWidth);
    const double fitting = widest > 0 ? width / widest : 1.0;
    return std::min(1.0, std::max(fitting, legible));
}

std::size_t CharactersPerLine(double width, double cellWidth)
{
    const double cells = std::floor(width / cellWidth * (1 + kRoundingAllowance));
    return std::max<std::size_t>(1, static_cast<std::size_t>(cells));
}

// The line's text in pieces of at most `characters` characters; an empty text is one empty piece.
std::vector<std::string> PiecesOf(std::string_view text, std::size_t characters)
{
    std::vector<std::string> pieces;
    do {
        const std::size_t end = ByteOfCharacter(text, characters);
        pieces.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
    } while (!text.empty());
    return pieces;
}

class PageFiller {
public:
    PageFiller(double height, const MonospacedFace& face) : height_(height), face_(face) {}

    void Place(float fontSize, std::string text)
    {
        const double inked = (face_.ascent + face_.descent) * fontSize;
        if (top_ > 0 && top_ + inked > height_ * (1 + kRoundingAllowance)) {
            ++page_;
            top_ = 0;
        }
        lines_.push_back({page_, top_ + face_.ascent * fontSize, fontSize, std::move(text)});
        top_ += (face_.ascent + face_.descent + face_.leading) * fontSize;
    }

    std::vector<PlacedLine> TakeLines() { return std::move(lines_); }
    std::size_t pageCount() const { return page_ + 1; }

private:
    double height_;
    const MonospacedFace& face_;
    std::vector<PlacedLine> lines_;
    std::size_t page_ = 0;
    double top_ = 0;
};

}  // namespace

double PageLayout::CellWidth(const MonospacedFace& face, float fontSize) const
{
    return face.advance * fontSize * condense;
}

PageLayout LayOutPages(const std::vector<PrintedLine>& lines, PageArea area, const MonospacedFace& face)
{
    PageLayout layout{FittingCondense(lines, area.width, face), {}, 0};
    PageFiller filler(area.height, face);
    for (const PrintedLine& line : lines) {
        const std::size_t perLine = CharactersPerLine(area.width, layout.CellWidth(face, line.fontSize));
        for (std::string& piece : PiecesOf(line.text, perLine)) {
            filler.Place(line.fontSize, std::move(piece));
        }
    }
    layout.pageCount = filler.pageCount();
    layout.lines = filler.TakeLines();
    return layout;
}

}  // namespace pali
