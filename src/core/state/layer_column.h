// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>

#include "core/state/run_time_error.h"

namespace pali {

inline constexpr std::int32_t kFirstLayerRow = 0;
inline constexpr std::int32_t kLastLayerRow = 20;

// One column of the layer table, rows 0 to 20. Every access checks its row
// anew and touches nothing when the row is outside the table.
template <class Cell>
class LayerColumn {
public:
    Cell& operator[](std::int32_t row) { return cells_[Checked(row)]; }
    const Cell& operator[](std::int32_t row) const { return cells_[Checked(row)]; }

    bool operator==(const LayerColumn&) const = default;

private:
    static std::size_t Checked(std::int32_t row)
    {
        if (row < kFirstLayerRow || row > kLastLayerRow) {
            throw RunTimeError(ErrorKind::SubscriptOutOfRange);
        }
        return static_cast<std::size_t>(row);
    }

    std::array<Cell, kLastLayerRow + 1> cells_{};
};

}  // namespace pali
