// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pali::doc::test {

// The names and contents of a ZIP archive's entries in their order, each
// inflated by zlib and checked against its sizes, its CRC-32 and its date,
// 1980-01-01 00:00; throws at the first that disagrees.
std::vector<std::pair<std::string, std::string>> Unzipped(const std::string& archive);

}  // namespace pali::doc::test
