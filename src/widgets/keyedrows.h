#pragma once

#include <array>
#include <cstddef>

namespace wellbox {

// Whether a table holds one row per value of an enumeration, in its order, so that the row of
// a value is the row at its number.
template <typename Row, std::size_t N, typename Key>
constexpr bool oneRowPerKey(const std::array<Row, N>& rows, Key Row::*key) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].*key) != i)
            return false;
    return true;
}

} // namespace wellbox
