// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/check/nq_table.h"
#include "core/state/box.h"

namespace pali {

// The window is laid out in twips, 1440 to the inch: at 96 pixels per inch
// 15 of them make one pixel (every position is then a whole number of pixels,
// and no size lies halfway), at 144 (150 %) 10 do. A size between two pixels
// is rounded to the nearer, halfway up.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

constexpr int Pixels(int twips, int dpi = kStandardDpi)
{
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

enum class ControlKind { TextBox, CommandButton, OptionButton, Label };

// Every caption font is one face at one of a few sizes; only the weight and
// the size vary from control to control. The face has Arial's widths (Arial
// on Windows, Liberation Sans on Linux), so that one table of sizes fits the
// captions on both.
struct FontStyle {
    double points = 8.25;
    bool bold = false;

    constexpr bool operator==(const FontStyle&) const = default;
};

inline constexpr FontStyle kPlain{8.25, false};
// A step smaller, ten pixels at 96 DPI, for the captions whose words fill
// their label in the plain size: the separator lines, which are 54 asterisks
// wide, the rows of the Nq table, which would reach the caption beside them,
// the captions that would otherwise wrap past their label's height or onto
// the caption below, and the results, whose boxes are narrow for a capacity
// of four digits and two decimals.
inline constexpr FontStyle kSmall{7.5, false};
// Two steps smaller, nine pixels at 96 DPI, for the one caption that fills
// its label even a step smaller: the friction angle's, which must stay on one
// line above the layer thickness's.
inline constexpr FontStyle kSmaller{6.75, false};
constexpr FontStyle Bold(double points)
{
    return {points, true};
}

// One control of the main window as the designer placed it. Positions and
// sizes are in twips, measured from the top-left corner of the client area;
// the tab position also counts the labels, which never take the focus.
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    int tab;
    FontStyle font;
};

inline constexpr std::size_t kControlCount = 67;

// Short names, so that the table below reads column by column.
inline constexpr ControlKind kTextBox = ControlKind::TextBox;
inline constexpr ControlKind kCommandButton = ControlKind::CommandButton;
inline constexpr ControlKind kOptionButton = ControlKind::OptionButton;
inline constexpr ControlKind kLabel = ControlKind::Label;

// clang-format off
inline constexpr std::array<ControlDesign, kControlCount> kForm1Controls = {{
    // name         kind            caption                                   Left   Top  Width Height Tab  font
    {"A",           kTextBox,       "",                                        1440,   240,  975,  375,   6, kPlain},
    {"B",           kTextBox,       "",                                        1440,   720,  975,  375,   7, kPlain},
    {"C",           kTextBox,       "",                                        1440,  1320,  975,  375,   8, kPlain},
    {"I",           kTextBox,       "",                                        2760,  2280,  975,  285,   9, kPlain},
    {"E",           kTextBox,       "",                                        2760,  2760,  975,  285,  10, kPlain},
    {"F",           kTextBox,       "",                                        2760,  3240,  975,  285,  11, kPlain},
    {"G",           kTextBox,       "",                                        2760,  3840,  975,  285,  12, kPlain},
    {"D",           kTextBox,       "",                                        2760,  4200,  975,  285,  48, kPlain},
    {"H",           kTextBox,       "",                                        1920,  5280,  615,  375,  14, kPlain},
    {"Z9",          kTextBox,       "",                                        5280,  6120,  500,  375,  33, kPlain},
    {"K1",          kTextBox,       "",                                        1680,  7320,  650,  375,  20, kPlain},
    {"M5",          kTextBox,       "",                                        1680,  7800,  615,  375,  41, kPlain},
    {"CP",          kTextBox,       "",                                        2040,  8640, 1095,  375,  53, kPlain},
    {"CPNS",        kTextBox,       "",                                        2040,  9120, 1100,  375,  54, kPlain},
    {"CV",          kTextBox,       "",                                        2040,  9720, 1100,  375,  55, kPlain},
    {"CARTOT",      kTextBox,       "",                                       11040,  5160, 1335,  285,  62, kSmall},
    {"CARMAG",      kTextBox,       "",                                       11040,  5640, 1215,  495,  63, kSmall},
    {"M3",          kTextBox,       "",                                        9720,  7200,  700,  375,  35, kSmall},
    {"M4",          kTextBox,       "",                                        9720,  7920,  700,  375,  36, kSmall},
    {"K3",          kTextBox,       "",                                        9720,  8400,  700,  375,  23, kSmall},
    {"M8",          kTextBox,       "",                                        9720,  8880,  735,  495,  43, kSmall},

    {"Command6",    kCommandButton, "STRATO N .dal piano campagna",             240,  2280, 1500,  500,  27, kPlain},
    {"Command1",    kCommandButton, "OK",                                      2880,  4680,  500,  375,  28, kPlain},
    {"Command2",    kCommandButton, "CALCOLA L/D",                              720,  5160,  975,  495,  13, kPlain},
    {"Command3",    kCommandButton, "CALCOLA PORTANZA",                        9240,  3720, 1100,  700,  21, kPlain},
    {"Command4",    kCommandButton, "STAMPA",                                  8760,  9720,  900,  495,  24, kPlain},
    {"Command5",    kCommandButton, "FINE",                                    9960,  9720,  975,  495,  25, kPlain},

    {"Comb1(0)",    kOptionButton,  " Approccio 1  Combinazione 1 (A1+M1+R1)", 4920,  7920, 1695,  615,  57, kPlain},
    {"Comb1(1)",    kOptionButton,  " Approccio 1  Combinazione 2 (A2+M2+R2)", 4920,  8760, 1695,  615,  58, kPlain},
    {"Comb1(2)",    kOptionButton,  " Approccio 2  Combinazione  (A1+M1+R3)",  5040,  9600, 1695,  615,  59, kPlain},

    {"Label1(0)",   kLabel,         "DIAMETRO PALO \"cm\"",                     240,   120,  975,  375,   0, kPlain},
    {"Label2",      kLabel,         "LUNGHEZZA PALO (mt)",                      240,   720, 1095,  615,   1, kPlain},
    {"Label3",      kLabel,         "NUMERO DI STRATImax20",                    240,  1320, 1095,  400,   2, kSmall},
    {"Label17",     kLabel,         "DATI              INIZIALI",              2880,   840, 2535,  255,  31, Bold(8.25)},
    {"Label4",      kLabel,         "******************************************************",
                                                                                360,  2040, 3255,  135,  29, kSmall},
    {"Label5",      kLabel,         " ANGOLO D'ATTRITO(gradi)",                 240,  2880, 1995,  405,   3, kSmaller},
    {"Label6",      kLabel,         "LUNGHEZZA DELLO STRATO(mt)",               240,  3240, 1995,  600,   4, kPlain},
    {"Label7",      kLabel,         "PESO SPECIFICO t/mc",                      240,  3840, 2000,  600,   5, kPlain},
    {"Label25",     kLabel,         "COEFFICIENTE DI PRESSIONE LATERALE",       240,  4080, 1815,  615,  47, kPlain},
    {"Label18",     kLabel,         "DATI  STRATIGRAFICI               STRATIGRAFICI",
                                                                               4200,  3120, 2535,  195,  32, Bold(8.25)},
    {"Label16",     kLabel,         "******************************************************",
                                                                                360,  5040, 3375,  135,  30, kSmall},
    {"Label8",      kLabel,         "TABELLA     Nq",                          1080,  5640, 1200,  405,  15, kPlain},
    {"Label19",     kLabel,         "---*************************************", 600,  6000, 2415,  135,  34, kSmall},
    {"Label9",      kLabel,         kNqAnglesLine,                              120,  6240, 3495,  195,  16, kSmall},
    {"Label10",     kLabel,         kNqAt25Line,                                120,  6480, 3495,  375,  17, kSmall},
    {"Label11",     kLabel,         kNqAt50Line,                                120,  6840, 3495,  255,  18, kSmall},
    {"Label13",     kLabel,         " TABELLA PER LA SCELTA DI Nq",            3360,  6600, 2055,  615,  64, Bold(8.25)},
    {"Label15",     kLabel,         "angolo d' attrito alla punta del palo",   3120,  6120, 1815,  405,  26, kPlain},
    {"Label12",     kLabel,         "VALORE DI Nq",                             360,  7200, 1200,  495,  19, kPlain},
    {"Label23",     kLabel,         "NUMERO DI PALI(max6)",                     360,  7680, 1215,  495,  40, kPlain},
    {"Label30(0)",  kLabel,         "CARICO PERMANENTE  tonn",                  240,  8640, 1575,  400,  50, kSmall},
    {"Label30(1)",  kLabel,         "CARICO PERMANENTE  NON STRUTT.  tonn",     120,  9120, 1575,  600,  51, kPlain},
    {"Label30(2)",  kLabel,         "CARICO VARIABILE  tonn.",                  120,  9720, 1575,  405,  52, kPlain},
    {"Label31",     kLabel,         "APPROCCIO COMBINAZIONE",                  4800,  7320, 1935,  495,  56, Bold(9.75)},
    {"Label27",     kLabel,         "ATTENZIONE",                              6960,   240, 1995,  375,  45, Bold(13.5)},
    {"Label29",     kLabel,         "COEFFICIENTE DI  PRESSIONE LATERALE =1 PER TERRENI    POCO      "
                                    "ADDENSATI     =2 PER TERRENI   MOLTO    ADDENSATI",
                                                                               6360,   720, 3400,  600,  49, kSmall},
    {"Label26",     kLabel,         "PER DARE GLI STRATI PREMERE STRATO N.-  DOPO I DATI PREMERE OK",
                                                                               6960,  2400, 2295,  600,  44, kPlain},
    {"Label28",     kLabel,         "DOPO I DATI DEGLI STRATI PER VISUALIZZARLI o- CAMBIARLI PREMERE "
                                    "STRATO N. E DOPO I NUOVI DATI PREMERE OK",
                                                                               5520,  3600, 2415, 1005,  46, kPlain},
    {"Label35",     kLabel,         "VERIFICATO   QUANDO LA PORTANZA E MAGGIORE  DEL CARICO  INCREMENTATO",
                                                                              11520,  2280, 3500, 1500,  66, Bold(12)},
    {"Label34",     kLabel,         " DOPO TUTTI I DATI SCEGLIERE L'APPROCCIO ED INFINE CALCOLA PORTANZA",
                                                                              11640,  7440, 3000, 2000,  65, Bold(13.5)},
    {"Label22",     kLabel,         "RISULTATI",                               8880,  4680, 1995,  375,  39, Bold(18)},
    {"Label32",     kLabel,         "CARICO TOTALE  tonn",                     9000,  5160, 1695,  375,  60, kSmall},
    {"Label33",     kLabel,         "CARICO INCREMENTATO tonn",                9000,  5520, 1815,  495,  61, kPlain},
    {"Label20",     kLabel,         "PORTANZA ALLA PUNTA tonn",                8400,  7080, 1095,  600,  37, kPlain},
    {"Label21",     kLabel,         "PORTANZA LATERALE tonn",                  8520,  7800, 1095,  600,  38, kPlain},
    {"Label14",     kLabel,         "PORTANZA  TOTALE(Tonn)",                  8520,  8400, 1200,  705,  22, kPlain},
    {"Label24",     kLabel,         "PORTANZA   RIDOTTA  (Npali>1) tonn",      8520,  8880, 1005,  705,  42, kSmall},
}};
// clang-format on

// The row of the control of that name. Every name the window itself uses is
// looked up while the program is compiled, where a missing name stops the
// build; a test that asks for a name that is not there gets an exception.
constexpr std::size_t RowNamed(std::string_view name)
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (kForm1Controls[row].name == name) {
            return row;
        }
    }
    throw std::out_of_range("no control named " + std::string(name));
}

constexpr const ControlDesign& ControlNamed(std::string_view name)
{
    return kForm1Controls[RowNamed(name)];
}

// The command buttons, in the order of the table.
enum class Button : std::size_t { Command6, Command1, Command2, Command3, Command4, Command5 };

inline constexpr std::array<std::string_view, 6> kButtonNames = {
    "Command6", "Command1", "Command2", "Command3", "Command4", "Command5",
};

inline constexpr std::size_t kButtonCount = kButtonNames.size();
static_assert(static_cast<std::size_t>(Button::Command5) + 1 == kButtonCount, "one name for each button");

// The controls of each kind are numbered in the order of the table, as the
// options of Comb1 are by their index: the text boxes take the numbers of
// their Box, the command buttons those of their Button. form1_controls.cpp
// checks the names against this numbering while compiling.
inline constexpr std::array<std::size_t, kControlCount> kNumberInKind = [] {
    std::array<std::size_t, kControlCount> numbers{};
    std::array<std::size_t, 4> counted{};  // one count for each ControlKind
    for (std::size_t row = 0; row < kControlCount; ++row) {
        numbers[row] = counted[static_cast<std::size_t>(kForm1Controls[row].kind)]++;
    }
    return numbers;
}();

// A control named in the table of the boxes, found by the compiler; an empty
// name stands for none.
struct ControlRef {
    consteval ControlRef(const char* name) : row(std::string_view(name).empty() ? kControlCount : RowNamed(name)) {}

    constexpr bool named() const { return row < kControlCount; }
    constexpr const ControlDesign& design() const { return kForm1Controls[row]; }

    std::size_t row;
};

// What the window says about each text box besides its place: the control
// whose caption names it for the user, and where Enter sends the focus from
// it (nowhere when empty). The rows follow the order of Box.
struct BoxDesign {
    Box box;
    ControlRef captionedBy;
    ControlRef enterTo;
};

// clang-format off
inline constexpr std::array<BoxDesign, kBoxCount> kForm1Boxes = {{
    // box          caption beside it   Enter to
    {Box::A,        "Label1(0)",        "B"},
    {Box::B,        "Label2",           "C"},
    {Box::C,        "Label3",           "Command6"},
    {Box::I,        "Command6",         ""},
    {Box::E,        "Label5",           "F"},
    {Box::F,        "Label6",           "G"},
    {Box::G,        "Label7",           "D"},
    {Box::D,        "Label25",          "Command1"},
    {Box::H,        "Command2",         "K1"},
    {Box::Z9,       "Label15",          ""},
    {Box::K1,       "Label12",          "M5"},
    {Box::M5,       "Label23",          "CP"},
    {Box::CP,       "Label30(0)",       "CPNS"},
    {Box::CPNS,     "Label30(1)",       "CV"},
    {Box::CV,       "Label30(2)",       ""},
    {Box::CARTOT,   "Label32",          ""},
    {Box::CARMAG,   "Label33",          ""},
    {Box::M3,       "Label20",          ""},
    {Box::M4,       "Label21",          ""},
    {Box::K3,       "Label14",          ""},
    {Box::M8,       "Label24",          ""},
}};
// clang-format on

// The rows of the controls that take the focus, in the order Tab visits them;
// the labels keep their tab positions but never take the focus.
inline constexpr auto kTabOrder = [] {
    constexpr std::size_t kFocusable = kControlCount - static_cast<std::size_t>(std::ranges::count(
                                                           kForm1Controls, ControlKind::Label, &ControlDesign::kind));
    std::array<std::size_t, kFocusable> rows{};
    std::size_t count = 0;
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (kForm1Controls[row].kind != ControlKind::Label) {
            rows[count++] = row;
        }
    }
    std::ranges::sort(rows, {}, [](std::size_t row) { return kForm1Controls[row].tab; });
    return rows;
}();

inline constexpr std::string_view kTitle = "PORTANZA DEI PALI PER TERRENI INCOERENTI   BEREZANTZEV(TESK-ORBEL)";

// Where the toolkit draws the menu bar inside the window's client area (Qt),
// it has this height and the form lies below it; Windows draws its menu
// outside the client area.
inline constexpr int kMenuBarTwips = 330;

// The right edge of the rightmost control, in twips: where beside the form
// the panel of the design check begins.
inline constexpr int kFormExtentTwips = [] {
    int right = 0;
    for (const ControlDesign& control : kForm1Controls) {
        right = std::max(right, control.left + control.width);
    }
    return right;
}();

// The restored window shows this much of its client area, in twips.
inline constexpr int kRestoredWidthTwips = 7650;
inline constexpr int kRestoredHeightTwips = 5820;

// The window opens with the focus in the diameter and the first design
// combination selected.
inline constexpr Box kStartFocus = Box::A;
inline constexpr int kStartCombination = 0;

// The caption that names the box for the user, blanks at its ends dropped.
std::string_view BoxCaption(Box box);

}  // namespace pali
