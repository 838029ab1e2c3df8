// Feeds arbitrary bytes to the project file's reader. Each input must open as
// a project or be refused with a reason, nothing else; a project that opens
// must be written and read back to the same project.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "project/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const pali::Project project = pali::ReadProjectFile(bytes);
        if (pali::ReadProjectFile(pali::WriteProjectFile(project)) != project) {
            std::abort();
        }
    } catch (const pali::ProjectFileError&) {
    }
    return 0;
}
