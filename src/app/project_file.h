// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/project_data.h"
#include "core/state/form_contents.h"
#include "core/state/project_state.h"

namespace pali {

// Everything a project file keeps: the texts of the 21 boxes, the selected
// combination and the whole project state, so that every click after opening
// gives what it would have given in the window that was saved; and the number
// of verticals investigated that the design check takes, as typed; and the
// project's own data for its calculation report.
struct Project {
    FormContents form;
    ProjectState state;
    std::string verticals = {};
    ProjectData data = {};

    bool operator==(const Project&) const = default;
};

inline constexpr std::string_view kProjectExtension = "pali";
inline constexpr std::string_view kProjectFormat = "portanza-pali";
inline constexpr int kProjectVersion = 1;

// A project file larger than this is refused before it is read. The window
// writes a few kilobytes for a project typed by hand; a box pasted full of
// several megabytes still saves and opens well below it.
inline constexpr std::size_t kProjectFileLimit = std::size_t{64} << 20;
inline constexpr std::string_view kProjectFileLimitText = "64 MiB";

// The project as the bytes of its file: UTF-8 JSON, one key a line in a fixed
// order, "\n" line ends, every real as the shortest text that reads back to
// the same bits. The same project gives the same bytes on every system.
std::string WriteProjectFile(const Project& project);

// What is wrong with a file that is not a project this version can open, in
// Italian, ready to follow the file's name in a message.
class ProjectFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The project in a file's bytes. Throws ProjectFileError naming the line and
// column of a syntax error, or the field that is missing or wrong.
Project ReadProjectFile(std::string_view bytes);

}  // namespace pali
