// SPDX-License-Identifier: MIT

#include "app/recent_files.h"

#include <algorithm>

namespace pali {

RecentFiles::RecentFiles(std::vector<std::string> paths)
{
    // Settings written by hand or by another version may repeat a file or hold
    // more than the menu shows.
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
        if (!path->empty()) {
            add(*path);
        }
    }
}

void RecentFiles::add(const std::string& path)
{
    remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kKept) {
        paths_.resize(kKept);
    }
}

void RecentFiles::remove(const std::string& path)
{
    std::erase(paths_, path);
}

bool RecentFiles::contains(const std::string& path) const
{
    return std::ranges::find(paths_, path) != paths_.end();
}

}  // namespace pali
