// SPDX-License-Identifier: MIT

#include "app/check_panel_layout.h"

#include <algorithm>
#include <numeric>

#include "app/form1_controls.h"

namespace pali {

namespace {

// Lengths at 96 DPI, scaled to the panel's.
constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kLine = 20;
// The verticals' box and USA stand out of their row by their borders.
constexpr int kVerticalsPadding = 10;
constexpr int kVerticalsTaller = 2;
constexpr int kUsePadding = 24;
constexpr int kUseTaller = 4;
// A read-out beside a box sits lower, its text on the box's own line.
constexpr int kReadOutDrop = 3;
// A read-out's text must not touch its margins.
constexpr int kReadOutSpare = 1;
// The warnings show that many lines of their own height before they scroll.
constexpr int kWarningLines = 4;
constexpr int kWarningLine = 14;
constexpr int kWarningsPadding = 4;
// The profile keeps a readable height even on a short window.
constexpr int kLeastProfileHeight = 120;

// GDI rounds a caption's text to whole pixels: one more keeps its last letter whole.
constexpr int kCaptionSpare = 1;

int Scaled(int pixelsAt96, int dpi)
{
    return (pixelsAt96 * dpi + kStandardDpi / 2) / kStandardDpi;
}

PanelRect Place(int left, int top, int width, int height)
{
    return {left, top, std::max(0, width), std::max(0, height)};
}

// Scaled lengths of one DPI.
struct Lengths {
    explicit Lengths(int dpi)
        : margin(Scaled(kMargin, dpi)),
          gap(Scaled(kGap, dpi)),
          line(Scaled(kLine, dpi)),
          readOutDrop(Scaled(kReadOutDrop, dpi)),
          dpi(dpi)
    {}
    int margin, gap, line, readOutDrop, dpi;
};

// The three rows at the top: the title, the verticals with the correlation
// factors, Nq from the table with USA. Returns where the profile may begin.
int LayOutTop(CheckPanelLayout& layout, const Lengths& at, int width, const CheckPanelTextWidths& widths)
{
    const int left = at.margin;
    int y = at.margin;
    layout.title = Place(left, y, widths.title + kCaptionSpare, at.line);
    y += at.line;
    layout.verticalsCaption = Place(left, y, widths.verticalsCaption + kCaptionSpare, at.line);
    y += at.line;
    const int verticalsWidth = widths.widestVerticals + Scaled(kVerticalsPadding, at.dpi);
    layout.verticals = Place(left, y, verticalsWidth, at.line + Scaled(kVerticalsTaller, at.dpi));
    layout.factors =
        Place(left + verticalsWidth + at.gap, y + at.readOutDrop, width - verticalsWidth - at.gap, at.line);
    y += at.line + at.gap;
    const int nqWidth = widths.nqCaption + kCaptionSpare;
    const int useWidth = widths.useCaption + Scaled(kUsePadding, at.dpi);
    const int useHeight = at.line + Scaled(kUseTaller, at.dpi);
    layout.nqCaption = Place(left, y + at.readOutDrop, nqWidth, at.line);
    layout.nq = Place(left + nqWidth + at.gap, y + at.readOutDrop, width - nqWidth - useWidth - 2 * at.gap, at.line);
    layout.use = Place(left + width - useWidth, y, useWidth, useHeight);
    return y + useHeight + at.gap;
}

// Each column as wide as its heading and the widest text it shows; the
// verdicts' column takes what the panel has left.
std::array<int, kCombinationHeadings.size()> ColumnWidths(const Lengths& at, int width,
                                                          const CheckPanelTextWidths& widths)
{
    std::array<int, kCombinationHeadings.size()> columns{};
    std::ranges::transform(widths.headings, columns.begin(), [](int heading) { return heading + kCaptionSpare; });
    columns.front() = std::max(columns.front(), std::ranges::max(widths.combinationNames) + kCaptionSpare);
    const int padding = widths.readOutMargins + Scaled(kReadOutSpare, at.dpi);
    for (std::size_t column = 1; column + 1 < columns.size(); ++column) {
        columns[column] = std::max(columns[column], widths.widestFigure + padding);
    }
    const int usedByFigures = std::accumulate(columns.begin(), columns.end() - 1, 0,
                                              [&](int used, int column) { return used + column + at.gap; });
    columns.back() = std::max({columns.back(), widths.widestVerdict + padding, width - usedByFigures});
    return columns;
}

template <std::size_t N>
void PlaceRow(std::array<PanelRect, N>& row, const std::array<int, N>& columns, int left, int top, const Lengths& at)
{
    int x = left;
    for (std::size_t column = 0; column < N; ++column) {
        row[column] = Place(x, top, columns[column], at.line);
        x += columns[column] + at.gap;
    }
}

// The warnings, the verdicts and the combinations' table, upwards from the
// bottom. Returns where the profile must end.
int LayOutBottom(CheckPanelLayout& layout, const Lengths& at, int width, int height, const CheckPanelTextWidths& widths)
{
    const int left = at.margin;
    const int warningsHeight = kWarningLines * Scaled(kWarningLine, at.dpi) + Scaled(kWarningsPadding, at.dpi);
    int bottom = height - at.margin - warningsHeight;
    layout.warnings = Place(left, bottom, width, warningsHeight);
    for (PanelRect* verdict : {&layout.approach2, &layout.approach1}) {
        bottom -= at.line;
        *verdict = Place(left, bottom, width, at.line);
    }
    bottom -= at.gap + static_cast<int>(kCombinationRows + 1) * at.line;
    const auto columns = ColumnWidths(at, width, widths);
    PlaceRow(layout.headings, columns, left, bottom, at);
    for (std::size_t row = 0; row < kCombinationRows; ++row) {
        std::array<PanelRect, kCombinationHeadings.size()> cells{};
        PlaceRow(cells, columns, left, bottom + static_cast<int>(row + 1) * at.line, at);
        layout.combinationNames[row] = cells.front();
        std::copy(cells.begin() + 1, cells.end(), layout.figures[row].begin());
    }
    return bottom - at.gap;
}

}  // namespace

CheckPanelTextWidths MeasurePanelTexts(const PanelTextWidth& widthOf, int readOutMargins)
{
    const auto plain = [&](std::string_view text) { return widthOf(text, false); };
    CheckPanelTextWidths widths;
    widths.title = widthOf(kCheckPanelTitle, true);
    widths.verticalsCaption = plain(kVerticalsCaption);
    widths.nqCaption = plain(kNqFromTableCaption);
    widths.useCaption = plain(kUseNqCaption);
    std::ranges::transform(kCombinationHeadings, widths.headings.begin(), plain);
    std::ranges::transform(kDesignCombinations, widths.combinationNames.begin(),
                           [&](const DesignCombination& combination) { return plain(combination.name); });
    widths.widestFigure = plain(kWidestFigure);
    widths.widestVerdict = plain(kWidestVerdict);
    widths.widestVerticals = plain(kWidestVerticals);
    widths.readOutMargins = readOutMargins;
    return widths;
}

CheckPanelLayout LayOutCheckPanel(int width, int height, int dpi, const CheckPanelTextWidths& widths)
{
    const Lengths at(dpi);
    const int inner = width - 2 * at.margin;
    CheckPanelLayout layout{};
    const int profileTop = LayOutTop(layout, at, inner, widths);
    const int profileBottom =
        std::max(LayOutBottom(layout, at, inner, height, widths), profileTop + Scaled(kLeastProfileHeight, dpi));
    layout.profile = Place(at.margin, profileTop, inner, profileBottom - profileTop);
    return layout;
}

}  // namespace pali
