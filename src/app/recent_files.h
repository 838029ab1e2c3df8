// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pali {

// The files last opened or saved, the newest first, each once.
class RecentFiles {
public:
    static constexpr std::size_t kKept = 4;

    explicit RecentFiles(std::vector<std::string> paths);

    void add(const std::string& path);
    void remove(const std::string& path);
    bool contains(const std::string& path) const;
    const std::vector<std::string>& paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

}  // namespace pali
