#pragma once

#include <span>
#include <string_view>

namespace wellbox {

// One question of a risk quiz: its text and its pick-only answers, in display order.
struct Question {
    std::string_view text;
    std::span<const std::string_view> answers;
};

} // namespace wellbox
