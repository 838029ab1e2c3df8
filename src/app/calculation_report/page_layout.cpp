// SPDX-License-Identifier: MIT

#include "app/calculation_report/page_layout.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>

namespace pali::doc {

namespace {

constexpr double kTop = kMargin;
constexpr double kBottom = kPageHeight - kMargin;
constexpr double kTextHeight = kBottom - kTop;
constexpr double kCellPadding = 2.5;
constexpr double kRule = 0.5;
constexpr double kTableSize = 9.0;
constexpr double kFooterSize = 8.0;
constexpr double kGap = 6.0;  // after a table or a figure

// How a kind of text is set: its size and weight, where its lines stand,
// and the room before and after it.
struct Setting {
    double size = 10.0;
    bool bold = false;
    draw::Across across = draw::Across::Left;
    double indent = 0.0;
    double before = 0.0;
    double after = 4.0;
};

Setting SettingOf(ParagraphKind kind)
{
    switch (kind) {
    case ParagraphKind::Title: return {20.0, true, draw::Across::Centre, 0.0, 0.0, 24.0};
    case ParagraphKind::Cover: return {12.0, false, draw::Across::Centre, 0.0, 0.0, 6.0};
    case ParagraphKind::Body: return {};
    case ParagraphKind::Formula: return {10.0, false, draw::Across::Left, 24.0, 2.0, 6.0};
    case ParagraphKind::Note: return {8.5, false, draw::Across::Left, 0.0, 0.0, 4.0};
    case ParagraphKind::Listing: return {8.0, false, draw::Across::Left, 0.0, 0.0, 0.0};
    }
    return {};
}

Setting SettingOf(const Heading& heading)
{
    return heading.level <= 1 ? Setting{14.0, true, draw::Across::Left, 0.0, 14.0, 6.0}
                              : Setting{11.5, true, draw::Across::Left, 0.0, 10.0, 4.0};
}

draw::Text TextAt(draw::Point anchor, std::string text, double size, bool bold,
                  draw::Across across = draw::Across::Left)
{
    return {anchor, std::move(text), across, draw::Down::Top, size, bold, draw::Colour::Ink, std::nullopt};
}

// A word and its weight; a forced line break stands as a word of its own.
struct Word {
    std::string text;
    bool bold = false;
    bool lineBreak = false;
};

std::vector<Word> WordsOf(const std::vector<Run>& runs)
{
    std::vector<Word> words;
    for (const Run& run : runs) {
        std::string_view rest = run.text;
        while (!rest.empty()) {
            const std::size_t end = rest.find_first_of(" \n");
            if (end != 0) {
                words.push_back({std::string(rest.substr(0, end)), run.bold});
            }
            if (end == std::string_view::npos) {
                break;
            }
            if (rest[end] == '\n') {
                words.push_back({{}, run.bold, true});
            }
            rest.remove_prefix(end + 1);
        }
    }
    return words;
}

// One line's pieces of one weight each, and where each starts.
struct Piece {
    std::string text;
    bool bold = false;
    double x = 0.0;
};

struct Line {
    std::vector<Piece> pieces;
    double width = 0.0;
};

// Whole UTF-8 characters of `word` that fit in `width`, at least one.
std::size_t FittingBytes(std::string_view word, double width, double size, bool bold, const draw::TextMeasure& measure)
{
    std::size_t fitting = 0;
    for (std::size_t end = 1; end <= word.size(); ++end) {
        if (end < word.size() && (static_cast<unsigned char>(word[end]) & 0xC0) == 0x80) {
            continue;  // inside a character
        }
        if (fitting > 0 && measure.width(word.substr(0, end), size, bold) > width) {
            break;
        }
        fitting = end;
    }
    return fitting;
}

class LineBreaker {
public:
    LineBreaker(double width, double size, const draw::TextMeasure& measure)
        : width_(width), size_(size), measure_(measure)
    {}

    std::vector<Line> linesOf(const std::vector<Word>& words)
    {
        for (const Word& word : words) {
            if (word.lineBreak) {
                endLine();
                continue;
            }
            place(word.text, word.bold);
        }
        if (!line_.pieces.empty() || lines_.empty()) {
            endLine();
        }
        return std::move(lines_);
    }

private:
    void place(std::string_view text, bool bold)
    {
        const double space = line_.pieces.empty() ? 0.0 : measure_.width(" ", size_, bold);
        const double width = measure_.width(text, size_, bold);
        if (!line_.pieces.empty() && line_.width + space + width > width_) {
            endLine();
            place(text, bold);
            return;
        }
        if (line_.pieces.empty() && width > width_) {
            const std::size_t fitting = FittingBytes(text, width_, size_, bold, measure_);
            append(text.substr(0, fitting), bold, 0.0);
            if (fitting < text.size()) {
                endLine();
                place(text.substr(fitting), bold);
            }
            return;
        }
        append(text, bold, space);
    }

    void append(std::string_view text, bool bold, double space)
    {
        if (!line_.pieces.empty() && line_.pieces.back().bold == bold) {
            line_.pieces.back().text += ' ';
            line_.pieces.back().text += text;
        } else {
            line_.pieces.push_back({std::string(text), bold, line_.width + space});
        }
        line_.width = line_.pieces.back().x + measure_.width(line_.pieces.back().text, size_, bold);
    }

    void endLine()
    {
        lines_.push_back(std::move(line_));
        line_ = {};
    }

    double width_;
    double size_;
    const draw::TextMeasure& measure_;
    std::vector<Line> lines_;
    Line line_;
};

class Pager {
public:
    Pager(const draw::TextMeasure& measure, std::string footer) : measure_(measure), footer_(std::move(footer))
    {
        newPage();
    }

    void add(const Heading& heading)
    {
        const Setting setting = SettingOf(heading);
        const std::vector<Line> lines = linesOf({{heading.text, true}}, setting, kTextWidth);
        // A heading keeps its own lines and three of what follows with it.
        const double lineHeight = measure_.lineHeight(setting.size);
        ensure(setting.before + static_cast<double>(lines.size()) * lineHeight + 3 * measure_.lineHeight(10.0));
        write(lines, setting, kTextWidth);
    }

    void add(const Paragraph& paragraph)
    {
        const Setting setting = SettingOf(paragraph.kind);
        if (paragraph.kind == ParagraphKind::Listing) {
            addListing(paragraph, setting);
            return;
        }
        write(linesOf(paragraph.runs, setting, kTextWidth - setting.indent), setting, kTextWidth - setting.indent);
    }

    void add(const Table& table)
    {
        const double shares = std::accumulate(table.columns.begin(), table.columns.end(), 0.0,
                                              [](double sum, const Column& column) { return sum + column.share; });
        std::vector<double> widths;
        for (const Column& column : table.columns) {
            widths.push_back(kTextWidth * column.share / shares);
        }
        std::vector<std::string> headings;
        for (const Column& column : table.columns) {
            headings.push_back(column.heading);
        }
        const Row heading = rowOf(headings, widths, true);
        const Row first = table.rows.empty() ? Row{} : rowOf(table.rows.front(), widths, false);
        ensure(heading.height + first.height);
        drawRow(heading, table, widths);
        for (const auto& cells : table.rows) {
            const Row row = rowOf(cells, widths, false);
            if (!fits(row.height)) {
                newPage();
                drawRow(heading, table, widths);
            }
            drawRow(row, table, widths);
        }
        y_ += kGap;
    }

    void add(const Figure& figure)
    {
        const Setting caption = SettingOf(ParagraphKind::Note);
        const std::vector<Line> captionLines = linesOf({{figure.caption}}, caption, kTextWidth);
        const double captionHeight = static_cast<double>(captionLines.size()) * measure_.lineHeight(caption.size);
        const double room = kTextHeight - captionHeight - kGap;
        const double scale = std::min(
            {1.0, kTextWidth / std::max(figure.drawing.width, 1.0), room / std::max(figure.drawing.height, 1.0)});
        const double height = figure.drawing.height * scale;
        ensure(height + captionHeight);
        const draw::Point origin{kMargin + (kTextWidth - figure.drawing.width * scale) / 2.0, y_};
        for (const draw::Primitive& primitive : figure.drawing.primitives) {
            page().push_back(draw::Placed(primitive, scale, origin));
        }
        y_ += height + 2.0;
        Setting centred = caption;
        centred.across = draw::Across::Centre;
        write(linesOf({{figure.caption}}, centred, kTextWidth), centred, kTextWidth);
        y_ += kGap;
    }

    void add(const PageBreak&)
    {
        if (!pageEmpty()) {
            newPage();
        }
    }

    // A printout's line as it was printed: every blank kept, never wrapped,
    // cut at the margin.
    void addListing(const Paragraph& paragraph, const Setting& setting)
    {
        const double lineHeight = measure_.lineHeight(setting.size);
        if (!fits(lineHeight)) {
            newPage();
        }
        double x = kMargin;
        for (const Run& run : paragraph.runs) {
            draw::Text text = TextAt({x, y_}, run.text, setting.size, run.bold);
            text.evenWidths = true;
            text.clip = draw::Rect{kMargin, y_, kMargin + kTextWidth, y_ + lineHeight};
            x += measure_.width(run.text, setting.size, run.bold);
            page().push_back(std::move(text));
        }
        y_ += lineHeight;
    }

    std::vector<draw::Drawing> finish()
    {
        const std::string count = std::to_string(pages_.size());
        for (std::size_t number = 0; number < pages_.size(); ++number) {
            addFooter(pages_[number], "Pagina " + std::to_string(number + 1) + " di " + count);
        }
        return std::move(pages_);
    }

private:
    struct Row {
        std::vector<std::vector<Line>> cells;
        double height = 0.0;
        bool heading = false;
    };

    std::vector<Line> linesOf(const std::vector<Run>& runs, const Setting& setting, double width) const
    {
        std::vector<Word> words = WordsOf(runs);
        if (setting.bold) {
            for (Word& word : words) {
                word.bold = true;
            }
        }
        return LineBreaker(width, setting.size, measure_).linesOf(words);
    }

    Row rowOf(const std::vector<std::string>& cells, const std::vector<double>& widths, bool heading) const
    {
        Row row{{}, 0.0, heading};
        const Setting setting{kTableSize, heading};
        std::size_t tallest = 1;
        for (std::size_t column = 0; column < widths.size(); ++column) {
            const std::string text = column < cells.size() ? cells[column] : std::string();
            row.cells.push_back(linesOf({{text}}, setting, widths[column] - 2 * kCellPadding));
            tallest = std::max(tallest, row.cells.back().size());
        }
        row.height = static_cast<double>(tallest) * measure_.lineHeight(kTableSize) + 2 * kCellPadding;
        return row;
    }

    void drawRow(const Row& row, const Table& table, const std::vector<double>& widths)
    {
        double x = kMargin;
        for (std::size_t column = 0; column < widths.size(); ++column) {
            page().push_back(
                draw::StrokedRect{{x, y_, x + widths[column], y_ + row.height}, {draw::Colour::Ink, kRule}});
            const draw::Across across = row.heading ? draw::Across::Centre : AcrossOf(table.columns[column].align);
            double lineY = y_ + kCellPadding;
            for (const Line& line : row.cells[column]) {
                const double left = x + kCellPadding + Offset(across, widths[column] - 2 * kCellPadding, line.width);
                drawLine(line, left, lineY, kTableSize);
                lineY += measure_.lineHeight(kTableSize);
            }
            x += widths[column];
        }
        y_ += row.height;
    }

    static draw::Across AcrossOf(Align align)
    {
        return align == Align::Left ? draw::Across::Left
                                    : (align == Align::Centre ? draw::Across::Centre : draw::Across::Right);
    }

    static double Offset(draw::Across across, double room, double width)
    {
        if (across == draw::Across::Centre) {
            return (room - width) / 2.0;
        }
        return across == draw::Across::Right ? room - width : 0.0;
    }

    void write(const std::vector<Line>& lines, const Setting& setting, double width)
    {
        if (!pageEmpty()) {
            y_ += setting.before;
        }
        const double lineHeight = measure_.lineHeight(setting.size);
        for (const Line& line : lines) {
            if (!fits(lineHeight)) {
                newPage();
            }
            drawLine(line, kMargin + setting.indent + Offset(setting.across, width, line.width), y_, setting.size);
            y_ += lineHeight;
        }
        y_ += setting.after;
    }

    void drawLine(const Line& line, double left, double top, double size)
    {
        for (const Piece& piece : line.pieces) {
            page().push_back(TextAt({left + piece.x, top}, piece.text, size, piece.bold));
        }
    }

    void addFooter(draw::Drawing& drawing, const std::string& number) const
    {
        const double rule = kBottom + 8.0;
        const double line = rule + 3.0;
        drawing.primitives.push_back(
            draw::Polyline{{{kMargin, rule}, {kPageWidth - kMargin, rule}}, {draw::Colour::Ink, kRule}});
        const double numberWidth = measure_.width(number, kFooterSize, false);
        draw::Text work = TextAt({kMargin, line}, footer_, kFooterSize, false);
        work.clip = draw::Rect{kMargin, line, kPageWidth - kMargin - numberWidth - 12.0, kPageHeight};
        drawing.primitives.push_back(std::move(work));
        drawing.primitives.push_back(
            TextAt({kPageWidth - kMargin, line}, number, kFooterSize, false, draw::Across::Right));
    }

    bool fits(double height) const { return y_ + height <= kBottom; }
    bool pageEmpty() const { return y_ == kTop; }

    void ensure(double height)
    {
        if (!fits(height) && !pageEmpty()) {
            newPage();
        }
    }

    void newPage()
    {
        pages_.push_back({kPageWidth, kPageHeight, {}});
        y_ = kTop;
    }

    std::vector<draw::Primitive>& page() { return pages_.back().primitives; }

    const draw::TextMeasure& measure_;
    std::string footer_;
    std::vector<draw::Drawing> pages_;
    double y_ = kTop;
};

}  // namespace

std::vector<draw::Drawing> PagesOf(const Document& document, const draw::TextMeasure& measure)
{
    Pager pager(measure, document.footer);
    for (const Block& block : document.blocks) {
        std::visit([&pager](const auto& content) { pager.add(content); }, block);
    }
    return pager.finish();
}

}  // namespace pali::doc
