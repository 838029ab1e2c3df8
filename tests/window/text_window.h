#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window/form1_logic.h"

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

}  // namespace pali::fixtures
