// SPDX-License-Identifier: MIT

// Writes a validation case's project file: the case's data entered on the
// window's own logic as the engineer types it, the read-outs still empty, so
// that opening the file and pressing CALCOLA L/D and CALCOLA PORTANZA gives
// the document's figures; with the verticals investigated, when the case
// types them, for the design check.
// Usage: make_case_project CASE.txt OUTPUT.pali
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>

#include "../app/text_window.h"
#include "app/project_file.h"
#include "validation_case.h"

namespace {

// A case's data must enter without a failed click.
class EntryWindow : public pali::fixtures::TextWindow, public pali::validation::CaseDriver {
public:
    void showError(const std::string& message) override { throw std::runtime_error(message); }
    void type(pali::Box box, const std::string& text) override { form[box] = text; }
    void selectCombination(int index) override { TextWindow::selectCombination(index); }
    void press(pali::Button button) override { logic.press(button); }
    void typeVerticals(const std::string& text) override { verticals = text; }

    pali::Form1Logic logic{*this};
    std::string verticals;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_case_project CASE.txt OUTPUT.pali\n");
        return 2;
    }
    try {
        EntryWindow window;
        Replay(pali::validation::EntrySteps(pali::validation::ReadCase(argv[1])), window);
        std::ofstream(argv[2], std::ios::binary)
            << pali::WriteProjectFile({window.form, window.logic.state(), window.verticals});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_case_project: %s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
