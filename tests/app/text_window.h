// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/form1_logic.h"

namespace pali::fixtures {

// A window without a toolkit, under the decimal comma: it holds the texts and
// the option, and keeps what the logic tells it.
class TextWindow : public Form1View {
public:
    std::string boxText(Box box) const override { return form[box]; }
    void setBoxText(Box box, const std::string& text) override { form[box] = text; }
    int selectedCombination() const override { return form.selectedCombination; }
    void selectCombination(int index) override { form.selectedCombination = index; }
    void focusBox(Box box) override { focus = box; }
    NumberFormat numberFormat() const override { return NumberFormat::Comma(); }
    void showError(const std::string& message) override { messages.push_back(message); }
    void deliverReport(const std::vector<PrintedLine>& lines) override { reports.push_back(lines); }
    void quit() override { quitted = true; }

    FormContents form;
    std::optional<Box> focus;
    std::vector<std::string> messages;
    std::vector<std::vector<PrintedLine>> reports;
    bool quitted = false;
};

// The worked example typed as the engineer types it, with the decimal comma:
// the pile, the loads, and the two layers each entered with STRATO N and
// stored with OK. Nothing is computed.
inline void TypeWorkedExample(FormContents& form, Form1Logic& logic)
{
    const std::pair<Box, const char*> typed[] = {
        {Box::A, "60"}, {Box::B, "12"},  {Box::C, "2"},     {Box::K1, "30"},
        {Box::M5, "2"}, {Box::CP, "50"}, {Box::CPNS, "10"}, {Box::CV, "20"},
    };
    for (const auto& [box, text] : typed) {
        form[box] = text;
    }
    const char* layers[][4] = {{"30", "5", "1,8", "1"}, {"34", "7", "1,9", "0,8"}};
    for (const auto& layer : layers) {
        logic.press(Button::Command6);
        form[Box::E] = layer[0];
        form[Box::F] = layer[1];
        form[Box::G] = layer[2];
        form[Box::D] = layer[3];
        logic.press(Button::Command1);
    }
}

}  // namespace pali::fixtures
