#pragma once

#include "scoring/translatable.h"

#include <array>
#include <string_view>

namespace wellbox {

// Which column of a point table applies.
enum class Sex { Male, Female };

// The sexes as the lists offer them and the results name them, in the order of Sex.
inline constexpr std::array<std::string_view, 2> SexNames{
    WELLBOX_TEXT("wellbox::Scoring", "Male"), WELLBOX_TEXT("wellbox::Scoring", "Female")};

inline std::string_view sexName(Sex sex) {
    return SexNames[static_cast<std::size_t>(sex)];
}

} // namespace wellbox
