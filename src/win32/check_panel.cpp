// SPDX-License-Identifier: MIT

#include "win32/check_panel.h"

#include <algorithm>
#include <stdexcept>

#include "app/design_check_texts.h"
#include "core/calc/design_combinations.h"
#include "win32/wide_text.h"

namespace pali {

namespace {

const wchar_t* const kPanelClass = L"PortanzaPaliCheckPanel";
const wchar_t* const kProfileClass = L"PortanzaPaliSoilProfile";

constexpr FontStyle kTitleFont = Bold(kPlain.points);
constexpr std::array<FontStyle, 2> kPanelFonts = {kPlain, kTitleFont};

// The widest figures a column of the combinations' table must show whole.
constexpr std::string_view kWidestFigure = "9999,99";
constexpr std::string_view kWidestVerdict = "NON VERIFICATO";
constexpr std::string_view kWidestVerticals = "0000";
constexpr int kWarningLines = 4;
constexpr int kLeastProfileHeight = 120;  // at 96 DPI

constexpr DWORD kReadOutStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;

int Scaled(int pixelsAt96, int dpi)
{
    return MulDiv(pixelsAt96, dpi, kStandardDpi);
}

void Register(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int background)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(background);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

std::string WindowText(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8Text(text);
}

void Move(HWND control, int left, int top, int width, int height)
{
    SetWindowPos(control, nullptr, left, top, std::max(0, width), std::max(0, height), SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Win32Rect(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Fill(HDC dc, const PixelRect& rect, COLORREF colour)
{
    const RECT area = Win32Rect(rect);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void DrawTextIn(HDC dc, const std::string& text, RECT area, UINT format)
{
    const std::wstring wide = WideText(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, format | DT_SINGLELINE | DT_NOPREFIX);
}

template <class Self>
Self* Attached(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    return reinterpret_cast<Self*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

CheckPanelWindow::CheckPanelWindow(HINSTANCE instance, HWND parent, TextHandler verticalsEdited, TextHandler useNq)
    : verticalsEdited_(std::move(verticalsEdited)), useNq_(std::move(useNq))
{
    Register(instance, kPanelClass, Procedure, COLOR_BTNFACE);
    Register(instance, kProfileClass, ProfileProcedure, COLOR_WINDOW);
    panel_ = CreateWindowExW(0, kPanelClass, WideText(kCheckPanelTitle).c_str(), WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                             parent, nullptr, instance, this);
    if (!panel_) {
        throw std::runtime_error("the panel could not be created");
    }
    // The order of making is the order of Tab, and each box comes right after
    // the caption that names it.
    title_ = caption(instance, kCheckPanelTitle);
    verticalsCaption_ = caption(instance, kVerticalsCaption);
    verticals_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0,
                                 0, 0, 0, panel_, nullptr, instance, nullptr);
    accessibleNames_.name(verticals_, WideText(kVerticalsCaption));
    factors_ = readOutNamed(instance, std::string(kFactorsName));
    nqCaption_ = caption(instance, kNqFromTableCaption);
    nq_ = readOutNamed(instance, std::string(kNqFromTableName));
    use_ = CreateWindowExW(0, L"BUTTON", WideText(kUseNqCaption).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, panel_, nullptr, instance,
                           nullptr);
    accessibleNames_.name(use_, WideText(kUseNqName));
    profile_ = CreateWindowExW(WS_EX_CLIENTEDGE, kProfileClass, WideText(kProfileName).c_str(), WS_CHILD | WS_VISIBLE,
                               0, 0, 0, 0, panel_, nullptr, instance, this);
    for (std::size_t column = 0; column < headings_.size(); ++column) {
        headings_[column] = caption(instance, kCombinationHeadings[column]);
    }
    for (std::size_t row = 0; row < figures_.size(); ++row) {
        const std::string_view name = kDesignCombinations[row].name;
        combinationNames_[row] = caption(instance, name);
        for (std::size_t figure = 0; figure < kCombinationFigures.size(); ++figure) {
            figures_[row][figure] = readOutNamed(instance, ReadOutName(kCombinationFigures[figure], name),
                                                 figure + 1 < kCombinationFigures.size() ? ES_RIGHT : 0);
        }
    }
    approach1_ = readOutNamed(instance, ReadOutName(kVerdictFigure, kApproach1Name));
    approach2_ = readOutNamed(instance, ReadOutName(kVerdictFigure, kApproach2Name));
    warnings_ = readOutNamed(instance, std::string(kWarningsName), ES_MULTILINE | WS_VSCROLL);
    SetWindowLongPtrW(warnings_, GWL_STYLE, GetWindowLongPtrW(warnings_, GWL_STYLE) & ~ES_AUTOHSCROLL);
    fonts_.makeFor(dpi_, kPanelFonts);
}

CheckPanelWindow::~CheckPanelWindow()
{
    accessibleNames_.clear();
    if (IsWindow(panel_)) {
        SetWindowLongPtrW(panel_, GWLP_USERDATA, 0);
        SetWindowLongPtrW(profile_, GWLP_USERDATA, 0);
        DestroyWindow(panel_);
    }
}

HWND CheckPanelWindow::caption(HINSTANCE instance, std::string_view text)
{
    return CreateWindowExW(0, L"STATIC", WideText(text).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0,
                           0, panel_, nullptr, instance, nullptr);
}

// A read-out is a read-only box without a border, as a label looks, whose
// text a screen reader reads as its value under the read-out's name.
HWND CheckPanelWindow::readOutNamed(HINSTANCE instance, std::string name, DWORD style)
{
    HWND control =
        CreateWindowExW(0, L"EDIT", L"", kReadOutStyle | style, 0, 0, 0, 0, panel_, nullptr, instance, nullptr);
    accessibleNames_.name(control, WideText(name));
    readOuts_.push_back({control, std::move(name)});
    return control;
}

HWND CheckPanelWindow::readOut(std::string_view name) const
{
    const auto found = std::ranges::find(readOuts_, name, &ReadOut::name);
    return found == readOuts_.end() ? nullptr : found->control;
}

std::vector<HWND> CheckPanelWindow::captions() const
{
    std::vector<HWND> captions = {title_, verticalsCaption_, nqCaption_, use_};
    captions.insert(captions.end(), headings_.begin(), headings_.end());
    captions.insert(captions.end(), combinationNames_.begin(), combinationNames_.end());
    return captions;
}

void CheckPanelWindow::place(const RECT& area, int dpi)
{
    if (dpi != dpi_) {
        dpi_ = dpi;
        fonts_.makeFor(dpi_, kPanelFonts);
    }
    Move(panel_, area.left, area.top, area.right - area.left, area.bottom - area.top);
    layOut();
}

int CheckPanelWindow::textWidth(HWND control, std::string_view text) const
{
    return TextWidthIn(control, text);
}

// Rows from the top, the combinations, the verdicts and the warnings from
// the bottom, and the profile in the height between; every caption as wide
// as its text in the font of this DPI, so that each shows whole.
void CheckPanelWindow::layOut()
{
    const HFONT plain = fonts_.font(kPlain);
    EnumChildWindows(
        panel_,
        [](HWND child, LPARAM font) {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(plain));
    SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.font(kTitleFont)), TRUE);
    SendMessageW(profile_, WM_SETFONT, reinterpret_cast<WPARAM>(plain), TRUE);

    RECT client;
    GetClientRect(panel_, &client);
    const int margin = Scaled(8, dpi_);
    const int gap = Scaled(6, dpi_);
    const int line = Scaled(20, dpi_);
    const int left = margin;
    const int right = client.right - margin;
    const int width = right - left;
    int y = margin;
    const auto captionRow = [&](HWND control, std::string_view text) {
        Move(control, left, y, textWidth(control, text) + 1, line);
        y += line;
    };
    captionRow(title_, kCheckPanelTitle);
    captionRow(verticalsCaption_, kVerticalsCaption);
    const int verticalsWidth = textWidth(verticals_, kWidestVerticals) + Scaled(10, dpi_);
    Move(verticals_, left, y, verticalsWidth, line + Scaled(2, dpi_));
    Move(factors_, left + verticalsWidth + gap, y + Scaled(3, dpi_), width - verticalsWidth - gap, line);
    y += line + gap;
    const int nqWidth = textWidth(nqCaption_, kNqFromTableCaption) + 1;
    const int useWidth = textWidth(use_, kUseNqCaption) + Scaled(24, dpi_);
    Move(nqCaption_, left, y + Scaled(3, dpi_), nqWidth, line);
    Move(nq_, left + nqWidth + gap, y + Scaled(3, dpi_), width - nqWidth - useWidth - 2 * gap, line);
    Move(use_, right - useWidth, y, useWidth, line + Scaled(4, dpi_));
    const int profileTop = y + line + Scaled(4, dpi_) + gap;

    int bottom = client.bottom - margin;
    const int warningsHeight = kWarningLines * Scaled(14, dpi_) + Scaled(4, dpi_);
    bottom -= warningsHeight;
    Move(warnings_, left, bottom, width, warningsHeight);
    for (HWND verdict : {approach2_, approach1_}) {
        bottom -= line;
        Move(verdict, left, bottom, width, line);
    }
    bottom -= gap;
    std::array<int, kCombinationHeadings.size()> columns{};
    for (std::size_t column = 0; column < columns.size(); ++column) {
        columns[column] = textWidth(headings_[column], kCombinationHeadings[column]) + 1;
    }
    for (std::size_t row = 0; row < combinationNames_.size(); ++row) {
        columns[0] = std::max(columns[0], textWidth(combinationNames_[row], kDesignCombinations[row].name) + 1);
    }
    // A read-out's text lies inside the box's margins, which its font sets.
    const auto margins = static_cast<DWORD>(SendMessageW(figures_[0][0], EM_GETMARGINS, 0, 0));
    const int readOutPadding = LOWORD(margins) + HIWORD(margins) + Scaled(1, dpi_);
    for (std::size_t column = 1; column + 1 < columns.size(); ++column) {
        columns[column] = std::max(columns[column], textWidth(headings_[column], kWidestFigure) + readOutPadding);
    }
    columns.back() = std::max(columns.back(), textWidth(headings_.back(), kWidestVerdict) + readOutPadding);
    int usedByFigures = 0;
    for (std::size_t column = 0; column + 1 < columns.size(); ++column) {
        usedByFigures += columns[column] + gap;
    }
    columns.back() = std::max(columns.back(), width - usedByFigures);
    const auto placeRow = [&](int top, const auto& controlOf) {
        int x = left;
        for (std::size_t column = 0; column < columns.size(); ++column) {
            Move(controlOf(column), x, top, columns[column], line);
            x += columns[column] + gap;
        }
    };
    bottom -= static_cast<int>(figures_.size() + 1) * line;
    placeRow(bottom, [&](std::size_t column) { return headings_[column]; });
    for (std::size_t row = 0; row < figures_.size(); ++row) {
        placeRow(bottom + static_cast<int>(row + 1) * line,
                 [&](std::size_t column) { return column == 0 ? combinationNames_[row] : figures_[row][column - 1]; });
    }
    const int profileBottom = std::max(bottom - gap, profileTop + Scaled(kLeastProfileHeight, dpi_));
    Move(profile_, left, profileTop, width, profileBottom - profileTop);
    InvalidateRect(panel_, nullptr, TRUE);
}

// A text set only when it changed, so that a refresh after every keystroke
// does not make the panel flicker, nor move the caret of a read-out.
void CheckPanelWindow::setText(HWND control, const std::string& text)
{
    if (WindowText(control) != text) {
        SetWindowTextW(control, WideText(text).c_str());
    }
}

void CheckPanelWindow::show(const CheckPanelTexts& texts, SoilProfile profile, const std::string& verticals)
{
    settingTexts_ = true;
    setText(verticals_, verticals);
    setText(factors_, texts.factors);
    setText(nq_, texts.nq);
    nqToUse_ = texts.nqToUse.value_or("");
    EnableWindow(use_, texts.nqToUse.has_value());
    for (std::size_t row = 0; row < texts.rows.size(); ++row) {
        const CheckPanelTexts::Row& figures = texts.rows[row];
        const std::array<const std::string*, kCombinationFigures.size()> shown = {&figures.ed, &figures.rd,
                                                                                  &figures.ratio, &figures.outcome};
        for (std::size_t figure = 0; figure < shown.size(); ++figure) {
            setText(figures_[row][figure], *shown[figure]);
        }
    }
    setText(approach1_, texts.approach1);
    setText(approach2_, texts.approach2);
    std::string warnings;
    for (const std::string& warning : texts.warnings) {
        warnings += (warnings.empty() ? "" : "\r\n") + warning;
    }
    setText(warnings_, warnings);
    settingTexts_ = false;
    shownProfile_ = std::move(profile);
    InvalidateRect(profile_, nullptr, TRUE);
}

ProfileDrawing CheckPanelWindow::drawing() const
{
    RECT client;
    GetClientRect(profile_, &client);
    HDC dc = GetDC(profile_);
    const HGDIOBJ previous = SelectObject(dc, fonts_.font(kPlain));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(profile_, dc);
    const int line = metrics.tmHeight;
    return DrawingOf(shownProfile_, {line, line, client.right - line, client.bottom - line}, line);
}

// The same drawing as the Qt window's: bands of two soil colours, the ground
// line, the pile's bar, each layer's label and the depth of its base.
void CheckPanelWindow::paintProfile(HDC dc) const
{
    const ProfileDrawing drawing = this->drawing();
    RECT client;
    GetClientRect(profile_, &client);
    const HGDIOBJ previousFont = SelectObject(dc, fonts_.font(kPlain));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int line = metrics.tmHeight;
    constexpr std::array<COLORREF, 2> kBands = {RGB(0xEE, 0xE0, 0xC0), RGB(0xD8, 0xC8, 0xA0)};
    for (std::size_t index = 0; index < drawing.bands.size(); ++index) {
        const ProfileDrawing::Band& band = drawing.bands[index];
        const SoilProfile::Layer& layer = shownProfile_.layers[index];
        Fill(dc, band.rect, kBands[static_cast<std::size_t>(band.number % 2)]);
        Fill(dc, {band.rect.left, band.rect.bottom - 1, band.rect.right, band.rect.bottom}, RGB(0, 0, 0));
        DrawTextIn(dc, layer.label, {drawing.labelsLeft, band.rect.top, band.rect.right, band.rect.bottom},
                   DT_LEFT | DT_VCENTER);
        DrawTextIn(dc, layer.depthText, {band.rect.left, band.rect.top, band.rect.right - 2, band.rect.bottom},
                   DT_RIGHT | DT_BOTTOM);
    }
    Fill(dc, {line, drawing.groundY, client.right - line, drawing.groundY + 1}, RGB(0, 0, 0));
    DrawTextIn(dc, std::string(kGroundCaption), {line, 0, client.right - line, drawing.groundY - 1},
               DT_LEFT | DT_BOTTOM);
    if (drawing.pile) {
        Fill(dc, *drawing.pile, RGB(0x40, 0x40, 0x40));
        DrawTextIn(dc, shownProfile_.tipText,
                   {drawing.labelsLeft, drawing.pile->bottom - line, client.right, drawing.pile->bottom},
                   DT_LEFT | DT_BOTTOM);
    }
    SelectObject(dc, previousFont);
}

bool CheckPanelWindow::handleKeys(MSG& message)
{
    if (!IsChild(panel_, message.hwnd)) {
        return false;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        if (message.hwnd == use_) {
            SendMessageW(use_, BM_CLICK, 0, 0);
        }
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        return true;
    }
    return IsDialogMessageW(panel_, &message) != FALSE;
}

LRESULT CALLBACK CheckPanelWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = Attached<CheckPanelWindow>(window, message, lParam);
    if (!self || !self->panel_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT CheckPanelWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control == verticals_ && HIWORD(wParam) == EN_CHANGE && !settingTexts_) {
            verticalsEdited_(WindowText(verticals_));
        } else if (control == use_ && HIWORD(wParam) == BN_CLICKED && !nqToUse_.empty()) {
            useNq_(nqToUse_);
        }
        return 0;
    }
    case WM_NEXTDLGCTL: {
        // The dialog manager's Tab among the panel's own controls.
        HWND next =
            LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(panel_, GetFocus(), wParam != 0);
        if (next) {
            SetFocus(next);
            SendMessageW(next, EM_SETSEL, 0, -1);
        }
        return 0;
    }
    default: return DefWindowProcW(panel_, message, wParam, lParam);
    }
}

LRESULT CALLBACK CheckPanelWindow::ProfileProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = Attached<CheckPanelWindow>(window, message, lParam);
    if (message == WM_PAINT && self) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        self->paintProfile(dc);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pali
