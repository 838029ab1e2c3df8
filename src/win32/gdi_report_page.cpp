// SPDX-License-Identifier: MIT

#include "win32/gdi_report_page.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <type_traits>

#include "core/report/page_layout.h"
#include "core/report/report_steps.h"
#include "core/report/report_texts.h"
#include "win32/wide_text.h"
#include "win32/window_fonts.h"

namespace pali {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kMarginInches = 10 / 25.4;

// The page as the printer's device context sees it: its resolution, and the
// printable area inside the margins in device pixels from the origin of what
// the printer can print.
struct DeviceArea {
    double dotsPerPointX;
    double dotsPerPointY;
    int left;
    int top;
    int width;
    int height;
};

DeviceArea AreaInsideMargins(HDC dc)
{
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    const int marginX = static_cast<int>(std::lround(kMarginInches * dpiX));
    const int marginY = static_cast<int>(std::lround(kMarginInches * dpiY));
    const int left = std::max(0, marginX - GetDeviceCaps(dc, PHYSICALOFFSETX));
    const int top = std::max(0, marginY - GetDeviceCaps(dc, PHYSICALOFFSETY));
    const int width = std::min(GetDeviceCaps(dc, PHYSICALWIDTH) - 2 * marginX, GetDeviceCaps(dc, HORZRES) - left);
    const int height = std::min(GetDeviceCaps(dc, PHYSICALHEIGHT) - 2 * marginY, GetDeviceCaps(dc, VERTRES) - top);
    return {dpiX / kPointsPerInch, dpiY / kPointsPerInch, left, top, width, height};
}

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The face at a size; condensed when given the width of its character cells.
Font ReportFont(const DeviceArea& area, float points, int cellWidth)
{
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * area.dotsPerPointY));
    font.lfWidth = cellWidth;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::copy(std::begin(kEvenWidthsFace), std::end(kEvenWidthsFace), font.lfFaceName);
    return Font(CreateFontIndirectW(&font));
}

// The face's measures per point, taken at the body size as the printer draws it.
MonospacedFace MeasuredFace(HDC dc, const DeviceArea& area)
{
    const Font font = ReportFont(area, kBodyFontSize, 0);
    const HGDIOBJ previous = SelectObject(dc, font.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE cell{};
    GetTextExtentPoint32W(dc, L"M", 1, &cell);
    SelectObject(dc, previous);
    const double perPointX = kBodyFontSize * area.dotsPerPointX;
    const double perPointY = kBodyFontSize * area.dotsPerPointY;
    return {cell.cx / perPointX, metrics.tmAscent / perPointY, metrics.tmDescent / perPointY,
            metrics.tmExternalLeading / perPointY};
}

// The advance of every UTF-16 unit of a line, so that each character stands
// in its cell whatever the printer rounds: the cell edges are rounded, not the
// cells, and the second half of a surrogate pair takes no room of its own.
std::vector<INT> CellAdvances(const std::wstring& text, double cellWidth)
{
    std::vector<INT> advances;
    advances.reserve(text.size());
    long character = 0;
    for (const wchar_t unit : text) {
        if (IS_LOW_SURROGATE(unit)) {
            advances.push_back(0);
            continue;
        }
        const long left = std::lround(character * cellWidth);
        ++character;
        advances.push_back(static_cast<INT>(std::lround(character * cellWidth) - left));
    }
    return advances;
}

class PageWriter {
public:
    PageWriter(HDC dc, const DeviceArea& area, const MonospacedFace& face, const PageLayout& layout)
        : dc_(dc), area_(area), face_(face), layout_(layout)
    {}

    bool Write()
    {
        std::size_t page = 0;
        if (StartPage(dc_) <= 0) {
            return false;
        }
        for (const PlacedLine& line : layout_.lines) {
            if (line.page != page && !NextPage()) {
                return false;
            }
            page = line.page;
            if (!Draw(line)) {
                return false;
            }
        }
        return EndPage(dc_) > 0;
    }

private:
    bool NextPage() { return EndPage(dc_) > 0 && StartPage(dc_) > 0; }

    double CellWidth(float points) const { return layout_.CellWidth(face_, points) * area_.dotsPerPointX; }

    bool Draw(const PlacedLine& line)
    {
        if (line.text.empty()) {
            return true;
        }
        const double cellWidth = CellWidth(line.fontSize);
        // Left to its own width only where nothing is condensed.
        const int fontWidth = layout_.condense < 1 ? static_cast<int>(cellWidth) : 0;
        const Font font = ReportFont(area_, line.fontSize, fontWidth);
        const HGDIOBJ previous = SelectObject(dc_, font.get());
        SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        SetBkMode(dc_, TRANSPARENT);
        const std::wstring text = WideText(line.text);
        std::vector<INT> advances = CellAdvances(text, cellWidth);
        const int baseline = area_.top + static_cast<int>(std::lround(line.baseline * area_.dotsPerPointY));
        const BOOL drawn = ExtTextOutW(dc_, area_.left, baseline, 0, nullptr, text.data(),
                                       static_cast<UINT>(text.size()), advances.data());
        SelectObject(dc_, previous);
        return drawn != FALSE;
    }

    HDC dc_;
    const DeviceArea& area_;
    const MonospacedFace& face_;
    const PageLayout& layout_;
};

}  // namespace

bool PrintReportOn(HDC printer, const std::vector<PrintedLine>& lines)
{
    const DeviceArea area = AreaInsideMargins(printer);
    const MonospacedFace face = MeasuredFace(printer, area);
    const PageArea points{area.width / area.dotsPerPointX, area.height / area.dotsPerPointY};
    const PageLayout layout = LayOutPages(lines, points, face);

    const std::wstring name = WideText(kReportDocumentName);
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = name.c_str();
    if (StartDocW(printer, &document) <= 0) {
        return false;
    }
    if (!PageWriter(printer, area, face, layout).Write() || EndDoc(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    return true;
}

}  // namespace pali
