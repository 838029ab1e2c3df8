#pragma once

#include <array>
#include <string_view>

#include "state/box.h"

namespace pali {

// What the window says about each text box besides its place: the control
// whose caption names it for the user, and where Enter sends the focus from
// it (nowhere when empty).
struct BoxDesign {
    Box box;
    std::string_view captionedBy;
    std::string_view enterTo;
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

// The row of the box, found by the box's own name.
const BoxDesign* BoxDesignNamed(std::string_view name);

// The caption that names the box for the user, blanks at its ends dropped.
std::string_view BoxCaption(Box box);

}  // namespace pali
