#pragma once

#include <string>
#include <string_view>
#include <vector>

// The scoring layer knows nothing of Qt, yet its questions, answers and sentences are shown in
// the user's language. It marks them with WELLBOX_TEXT, which leaves the text as it is; lupdate
// reads the mark as QT_TRANSLATE_NOOP (the build passes -tr-function-alias), and the result
// layer translates a marked text where it is shown (result/scoringtext.h).
//
// Every mark names the one context of the layer, so that a window translates a scoring text
// without knowing where it came from; the compiler refuses any other.
#define WELLBOX_TEXT(context, text) ::wellbox::markedText(context, text)

namespace wellbox {

inline constexpr std::string_view ScoringContext = "wellbox::Scoring";

consteval const char* markedText(std::string_view context, const char* text) {
    if (context != ScoringContext)
        throw "a scoring text is marked in the context wellbox::Scoring";
    return text;
}

// A text put together from a marked pattern and its arguments, so that it can be translated
// as a whole where it is shown: in "Your Score is: %1" the number is an argument, and a
// translation may move it. An argument is a value shown as it is ("18") or a phrase of its own.
class Phrase {
public:
    Phrase() = default;
    // A marked text; %1 to %9 in it stand for the arguments in order.
    explicit Phrase(std::string_view marked, std::vector<Phrase> arguments = {})
        : m_pattern(marked)
        , m_arguments(std::move(arguments)) {}
    explicit Phrase(const char* marked, std::vector<Phrase> arguments = {})
        : Phrase(std::string_view(marked), std::move(arguments)) {}
    // A pattern is a marked literal, which lives as long as the program; a string would leave
    // the phrase pointing at freed text. A string is a value.
    Phrase(const std::string&, std::vector<Phrase> = {}) = delete;
    Phrase(std::string&&, std::vector<Phrase> = {}) = delete;

    // A value that no translation changes: a number, a name as typed.
    static Phrase value(std::string text) {
        Phrase phrase{std::string_view{}};
        phrase.m_value = std::move(text);
        phrase.m_isValue = true;
        return phrase;
    }

    static Phrase number(long long value) { return Phrase::value(std::to_string(value)); }

    bool isValue() const { return m_isValue; }
    const std::string& valueText() const { return m_value; }
    std::string_view pattern() const { return m_pattern; }
    const std::vector<Phrase>& arguments() const { return m_arguments; }

    // The phrase in the source language, the arguments put in place.
    std::string english() const {
        if (m_isValue)
            return m_value;
        std::string text;
        for (std::size_t i = 0; i < m_pattern.size(); ++i) {
            const char next = i + 1 < m_pattern.size() ? m_pattern[i + 1] : '\0';
            const auto number = static_cast<std::size_t>(next - '1');
            if (m_pattern[i] == '%' && next >= '1' && next <= '9' && number < m_arguments.size()) {
                text += m_arguments[number].english();
                ++i;
            } else {
                text += m_pattern[i];
            }
        }
        return text;
    }

private:
    std::string_view m_pattern;
    std::vector<Phrase> m_arguments;
    std::string m_value;
    bool m_isValue = false;
};

// Joints that phrases share, marked once so that a language punctuates them its own way: two
// items of a list ("50, Male"), a label and what it labels ("Risk table: 18 %").
inline constexpr std::string_view ListJoint = WELLBOX_TEXT("wellbox::Scoring", "%1, %2");
inline constexpr std::string_view LabelJoint = WELLBOX_TEXT("wellbox::Scoring", "%1: %2");

// The items one after another, each joined to those before it by `joint` ("%1, %2").
inline Phrase joinedPhrase(const std::vector<Phrase>& items, std::string_view joint = ListJoint) {
    if (items.empty())
        return Phrase::value({});
    Phrase joined = items.front();
    for (std::size_t i = 1; i < items.size(); ++i)
        joined = Phrase(joint, {std::move(joined), items[i]});
    return joined;
}

} // namespace wellbox
