// SPDX-License-Identifier: MIT

#include "win32/check_panel.h"

#include <algorithm>
#include <stdexcept>

#include "app/design_check_texts.h"
#include "core/calc/design_combinations.h"
#include "win32/gdi_painter.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace pali {

namespace {

const wchar_t* const kPanelClass = L"PortanzaPaliCheckPanel";
const wchar_t* const kProfileClass = L"PortanzaPaliSoilProfile";

// The panel's heading a step above the plain size, as the form's own headings
// ("APPROCCIO COMBINAZIONE"): at the plain size Wine draws the bold face of
// Liberation Sans no heavier than the regular one.
constexpr FontStyle kTitleFont = Bold(9.75);
constexpr std::array<FontStyle, 2> kPanelFonts = {kPlain, kTitleFont};

constexpr DWORD kReadOutStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY;
// A figure or a verdict stays on its line; a sentence wraps at the box's width.
constexpr DWORD kOneLine = ES_AUTOHSCROLL;
constexpr DWORD kWrapped = ES_MULTILINE;

void Move(HWND control, const PanelRect& place)
{
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

template <std::size_t N>
void MoveAll(const std::array<HWND, N>& controls, const std::array<PanelRect, N>& places)
{
    for (std::size_t index = 0; index < N; ++index) {
        Move(controls[index], places[index]);
    }
}

}  // namespace

CheckPanelWindow::CheckPanelWindow(HINSTANCE instance, HWND parent, TextHandler verticalsEdited,
                                   std::function<void()> useNq)
    : verticalsEdited_(std::move(verticalsEdited)), useNq_(std::move(useNq))
{
    RegisterWindowClass(instance, kPanelClass, Procedure, COLOR_BTNFACE);
    RegisterWindowClass(instance, kProfileClass, ProfileProcedure, COLOR_WINDOW);
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
    factors_ = readOutNamed(instance, std::string(kFactorsName), kOneLine);
    nqCaption_ = caption(instance, kNqFromTableCaption);
    nq_ = readOutNamed(instance, std::string(kNqFromTableName), kOneLine);
    use_ = CreateWindowExW(0, L"BUTTON", WideText(kUseNqCaption).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, panel_, nullptr, instance,
                           nullptr);
    accessibleNames_.name(use_, WideText(kUseNqName));
    profile_ = CreateWindowExW(WS_EX_CLIENTEDGE, kProfileClass, WideText(kProfileName).c_str(), WS_CHILD | WS_VISIBLE,
                               0, 0, 0, 0, panel_, nullptr, instance, this);
    shortestNtc2018_ = readOutNamed(instance, std::string(kShortestNtc2018Caption), kWrapped);
    shortestNtc2008_ = readOutNamed(instance, std::string(kShortestNtc2008Caption), kWrapped);
    for (std::size_t column = 0; column < headings_.size(); ++column) {
        headings_[column] = caption(instance, kCombinationHeadings[column]);
    }
    for (std::size_t row = 0; row < figures_.size(); ++row) {
        const std::string_view name = kDesignCombinations[row].name;
        combinationNames_[row] = caption(instance, name);
        for (std::size_t figure = 0; figure < kCombinationFigures.size(); ++figure) {
            figures_[row][figure] = readOutNamed(instance, ReadOutName(kCombinationFigures[figure], name),
                                                 kOneLine | (figure + 1 < kCombinationFigures.size() ? ES_RIGHT : 0));
        }
    }
    approach1_ = readOutNamed(instance, ReadOutName(kVerdictFigure, kApproach1Name), kOneLine);
    approach2_ = readOutNamed(instance, ReadOutName(kVerdictFigure, kApproach2Name), kOneLine);
    warnings_ = readOutNamed(instance, std::string(kWarningsName), kWrapped | WS_VSCROLL);
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
    Move(panel_,
         {area.left, area.top, static_cast<int>(area.right - area.left), static_cast<int>(area.bottom - area.top)});
    layOut();
}

// Every control in the plain font but the title; the title's bold font is
// set last, so that no pass over the panel's controls undoes it.
void CheckPanelWindow::setFonts()
{
    EnumChildWindows(
        panel_,
        [](HWND child, LPARAM font) {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(fonts_.font(kPlain)));
    SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.font(kTitleFont)), TRUE);
}

void CheckPanelWindow::layOut()
{
    setFonts();
    const auto margins = static_cast<DWORD>(SendMessageW(figures_[0][0], EM_GETMARGINS, 0, 0));
    const CheckPanelTextWidths widths = MeasurePanelTexts(
        [this](std::string_view text, bool bold) { return TextWidthIn(bold ? title_ : verticalsCaption_, text); },
        LOWORD(margins) + HIWORD(margins));
    RECT client;
    GetClientRect(panel_, &client);
    const CheckPanelLayout layout = LayOutCheckPanel(client.right, client.bottom, dpi_, widths);
    const std::array<std::pair<HWND, PanelRect>, 12> places = {{
        {title_, layout.title},
        {verticalsCaption_, layout.verticalsCaption},
        {verticals_, layout.verticals},
        {factors_, layout.factors},
        {nqCaption_, layout.nqCaption},
        {nq_, layout.nq},
        {use_, layout.use},
        {shortestNtc2018_, layout.shortestNtc2018},
        {shortestNtc2008_, layout.shortestNtc2008},
        {approach1_, layout.approach1},
        {approach2_, layout.approach2},
        {warnings_, layout.warnings},
    }};
    for (const auto& [control, place] : places) {
        Move(control, place);
    }
    MoveAll(headings_, layout.headings);
    MoveAll(combinationNames_, layout.combinationNames);
    for (std::size_t row = 0; row < figures_.size(); ++row) {
        MoveAll(figures_[row], layout.figures[row]);
    }
    // Last: the view paints its background over whatever it covered meanwhile.
    Move(profile_, layout.profile);
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

bool CheckPanelWindow::panelShown() const
{
    return (GetWindowLongPtrW(panel_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CheckPanelWindow::showCheck(const CheckPanelContent& content)
{
    const CheckPanelTexts& texts = content.texts;
    settingTexts_ = true;
    setText(verticals_, content.verticals);
    setText(factors_, texts.factors);
    setText(nq_, texts.nq);
    EnableWindow(use_, texts.nqToUse.has_value());
    for (std::size_t row = 0; row < texts.rows.size(); ++row) {
        const CheckPanelTexts::Row& figures = texts.rows[row];
        const std::array<const std::string*, kCombinationFigures.size()> shown = {&figures.ed, &figures.rd,
                                                                                  &figures.ratio, &figures.outcome};
        for (std::size_t figure = 0; figure < shown.size(); ++figure) {
            setText(figures_[row][figure], *shown[figure]);
        }
    }
    setText(shortestNtc2018_, texts.shortestNtc2018);
    setText(shortestNtc2008_, texts.shortestNtc2008);
    setText(approach1_, texts.approach1);
    setText(approach2_, texts.approach2);
    showWarnings(texts.warnings);
    settingTexts_ = false;
    shownProfile_ = content.profile;
    shownCurve_ = content.curve;
    shownFormat_ = content.format;
    InvalidateRect(profile_, nullptr, TRUE);
}

// One warning a line; the scroll bar only when they overflow the box,
// counted as the box wraps them without it.
void CheckPanelWindow::showWarnings(const std::vector<std::string>& warnings)
{
    std::string text;
    for (const std::string& warning : warnings) {
        text += (text.empty() ? "" : "\r\n") + warning;
    }
    setText(warnings_, text);
    ShowScrollBar(warnings_, SB_VERT, FALSE);
    RECT room;
    SendMessageW(warnings_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const LRESULT lines = SendMessageW(warnings_, EM_GETLINECOUNT, 0, 0);
    ShowScrollBar(warnings_, SB_VERT, lines * LineHeightIn(warnings_) > room.bottom - room.top);
}

draw::Drawing CheckPanelWindow::checkPicture(const draw::TextMeasure& measure) const
{
    RECT client;
    GetClientRect(profile_, &client);
    return CheckPicture(shownProfile_, shownCurve_, client.right, client.bottom, -FontHeight(kPlain.points, dpi_),
                        measure, shownFormat_);
}

// The same picture as the Qt window's, painted with GDI.
void CheckPanelWindow::paintPicture(HDC dc) const
{
    GdiPainter painter(dc);
    draw::Paint(checkPicture(painter), painter);
}

bool CheckPanelWindow::handleKeys(MSG& message)
{
    if (!IsChild(panel_, message.hwnd)) {
        return false;
    }
    return HandlePaneKeys(panel_, message, [this](HWND focus) {
        if (focus == use_) {
            SendMessageW(use_, BM_CLICK, 0, 0);
        }
    });
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
        } else if (control == use_ && HIWORD(wParam) == BN_CLICKED) {
            useNq_();
        }
        return 0;
    }
    case WM_NEXTDLGCTL: {
        // The dialog manager's Tab among the panel's own controls.
        HWND next = NextDialogControl(panel_, wParam, lParam);
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
        self->paintPicture(dc);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pali
