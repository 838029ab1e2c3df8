// SPDX-License-Identifier: MIT

#pragma once

#include <string>

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

}  // namespace pali
