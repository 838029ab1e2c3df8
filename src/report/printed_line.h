#pragma once

#include <string>

namespace pali {

// One line of a composed report as it goes on paper: its text, spaces
// included, and the size of the face it is printed in.
struct PrintedLine {
    float fontSize;
    std::string text;

    bool operator==(const PrintedLine&) const = default;
};

}  // namespace pali
