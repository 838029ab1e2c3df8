// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pali {

// What the calculation report says of the project beyond the calculation:
// free texts the engineer types, kept in the project file.
struct ProjectData {
    std::string work;      // Opera
    std::string client;    // Committente
    std::string place;     // Località
    std::string designer;  // Progettista
    std::string date;      // Data, as typed

    bool IsEmpty() const { return work.empty() && client.empty() && place.empty() && designer.empty() && date.empty(); }
    bool operator==(const ProjectData&) const = default;
};

// Each field with its name as the dialog and the report label it and its key
// in the project file, in the order they are shown and written.
struct ProjectDataField {
    std::string_view label;
    std::string_view key;
    std::string ProjectData::*text;
};

inline constexpr std::array kProjectDataFields = {
    ProjectDataField{"Opera", "opera", &ProjectData::work},
    ProjectDataField{"Committente", "committente", &ProjectData::client},
    ProjectDataField{"Località", "localita", &ProjectData::place},
    ProjectDataField{"Progettista", "progettista", &ProjectData::designer},
    ProjectDataField{"Data", "data", &ProjectData::date},
};

// How many characters the dialog's boxes show at once: a work's name or a
// client's of a few words at a glance.
inline constexpr int kProjectDataBoxCharacters = 50;

}  // namespace pali
