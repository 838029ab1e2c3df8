// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pali::doc::test {

struct UnzippedEntry {
    std::string name;
    std::uint16_t time = 0;
    std::uint16_t date = 0;
    std::string content;
};

// The entries of a ZIP archive read through its central directory and
// inflated by zlib; throws when a header, a size or a CRC does not agree.
std::vector<UnzippedEntry> Unzipped(const std::string& archive);

// The content of the entry of that name; throws when there is none.
std::string Part(const std::string& archive, const std::string& name);

}  // namespace pali::doc::test
