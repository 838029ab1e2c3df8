#include "state/box.h"

namespace pali {

std::string_view BoxName(Box box)
{
    static constexpr std::array<std::string_view, kBoxCount> names = {
        "A", "B", "C", "I", "E", "F", "G", "D", "H", "Z9", "K1",
        "M5", "CP", "CPNS", "CV", "CARTOT", "CARMAG", "M3", "M4", "K3", "M8",
    };
    return names[static_cast<std::size_t>(box)];
}

}  // namespace pali
