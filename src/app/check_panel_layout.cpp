// SPDX-License-Identifier: MIT

#include "app/check_panel_layout.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "app/form1_controls.h"
#include "core/check/length_curve.h"

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
// A box of wrapped text: lines of their own height, and a little room.
constexpr int kWrappedLine = 14;
constexpr int kWrappedPadding = 4;
// The warnings show that many lines before they scroll.
constexpr int kWarningLines = 4;
// The highest Rd/Ed the shortest lengths' read-outs make room for.
constexpr double kWidestRatio = 9999.99;
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

    // A box of wrapped text that many lines tall.
    int textLines(int lines) const { return lines * Scaled(kWrappedLine, dpi) + Scaled(kWrappedPadding, dpi); }
};

// The lines a text of those words takes, wrapped at spaces as an edit
// control wraps it: a word that no longer fits begins the next line.
int WrappedLines(const std::vector<int>& words, int space, int room)
{
    int lines = 1;
    int used = 0;
    for (const int word : words) {
        if (used > 0 && used + space + word > room) {
            ++lines;
            used = word;
        } else {
            used += (used > 0 ? space : 0) + word;
        }
    }
    return lines;
}

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
    const int warningsHeight = at.textLines(kWarningLines);
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

// Each shortest length's read-out as tall as its widest text wraps into at
// that width.
std::array<int, 2> ShortestHeights(const Lengths& at, int width, const CheckPanelTextWidths& widths)
{
    const int room = width - widths.readOutMargins - Scaled(kReadOutSpare, at.dpi);
    std::array<int, 2> heights{};
    std::ranges::transform(widths.shortestWords, heights.begin(), [&](const std::vector<int>& words) {
        return at.textLines(WrappedLines(words, widths.space, room));
    });
    return heights;
}

// The words of a line, split at its spaces.
std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

}  // namespace

std::array<std::string, 2> WidestShortestLines()
{
    constexpr double longest = static_cast<double>(kLongestCurveSteps) / kCurveStepsPerMetre;
    LengthCurve curve;
    CurvePoint deepest;
    deepest.length = longest;
    curve.points.push_back(deepest);
    curve.shortestNtc2018 = curve.shortestNtc2008 = {std::nullopt, kWidestRatio, longest};
    const CheckPanelTexts texts = PanelTexts(DesignCheck{}, curve, NumberFormat::Comma());
    return {texts.shortestNtc2018, texts.shortestNtc2008};
}

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
    const auto lines = WidestShortestLines();
    for (std::size_t index = 0; index < lines.size(); ++index) {
        std::ranges::transform(Words(lines[index]), std::back_inserter(widths.shortestWords[index]), plain);
    }
    widths.space = plain(" ");
    widths.readOutMargins = readOutMargins;
    return widths;
}

CheckPanelLayout LayOutCheckPanel(int width, int height, int dpi, const CheckPanelTextWidths& widths)
{
    const Lengths at(dpi);
    const int inner = width - 2 * at.margin;
    CheckPanelLayout layout{};
    const int profileTop = LayOutTop(layout, at, inner, widths);
    const int roomBottom = LayOutBottom(layout, at, inner, height, widths);
    const auto [ntc2018Height, ntc2008Height] = ShortestHeights(at, inner, widths);
    const int profileBottom =
        std::max(roomBottom - ntc2018Height - ntc2008Height - at.gap, profileTop + Scaled(kLeastProfileHeight, dpi));
    layout.profile = Place(at.margin, profileTop, inner, profileBottom - profileTop);
    layout.shortestNtc2018 = Place(at.margin, profileBottom + at.gap, inner, ntc2018Height);
    layout.shortestNtc2008 = Place(at.margin, layout.shortestNtc2018.bottom(), inner, ntc2008Height);
    return layout;
}

}  // namespace pali
