#pragma once

#include <array>
#include <span>
#include <string_view>

namespace wellbox {

// One question of a risk quiz: its text and its pick-only answers, in display order.
struct Question {
    std::string_view text;
    std::span<const std::string_view> answers;
};

// The answer list of every yes-or-no question; "Yes" comes first.
inline constexpr std::array<std::string_view, 2> YesNo{"Yes", "No"};

} // namespace wellbox
