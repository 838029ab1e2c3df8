// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pali::doc {

// A ZIP archive built in memory, the container of a Word file: each entry
// deflated at one fixed level, dated 1980-01-01 00:00, in the order added,
// so that the same entries always give the same bytes.
class ZipArchive {
public:
    void add(std::string_view name, std::string_view content);
    // The archive: the entries, their central directory and its end record.
    std::string finish() &&;

private:
    std::string entries_;
    std::string directory_;
    std::uint16_t count_ = 0;
};

}  // namespace pali::doc
