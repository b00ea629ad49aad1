#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>
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

// Puts a pattern's arguments in place, in one pass: the text around the placeholders goes to
// `text` as it is, and each %1 to %9 that has an argument to `argument`, with the argument's
// index; a % before anything else stays. An argument's own text is never read for placeholders.
// English and every translation are filled by this one routine.
template <typename Char, typename Text, typename Argument>
void fillPattern(std::basic_string_view<Char> pattern, std::size_t arguments, Text&& text,
                 Argument&& argument) {
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        const Char next = pattern[i + 1];
        const auto index = static_cast<std::size_t>(next - Char('1'));
        if (pattern[i] == Char('%') && next >= Char('1') && next <= Char('9') &&
            index < arguments) {
            text(pattern.substr(start, i - start));
            argument(index);
            start = i + 2;
            ++i;
        }
    }
    text(pattern.substr(start));
}

// A text put together from a marked pattern and its arguments, so that it can be translated
// as a whole where it is shown: in "Your Score is: %1" the number is an argument, and a
// translation may move it. An argument is a value shown as it is (a name as typed), a number,
// which the language shown writes its own way, or a phrase of its own.
class Phrase {
public:
    // A number to show with a fixed count of decimals: none for a whole number.
    struct Number {
        double value;
        int decimals;
    };

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

    // A value that no translation changes: a name as typed.
    static Phrase value(std::string text) {
        Phrase phrase;
        phrase.m_kind = Kind::Value;
        phrase.m_value = std::move(text);
        return phrase;
    }

    static Phrase number(long long value) { return decimal(static_cast<double>(value), 0); }

    // A number with `decimals` after the point, "70.0" in English. A value that shows as zero
    // shows no sign.
    static Phrase decimal(double value, int decimals) {
        Phrase phrase;
        phrase.m_kind = Kind::Number;
        phrase.m_number = {value, decimals};
        if (englishNumber(phrase.m_number).find_first_not_of("-0.") == std::string::npos)
            phrase.m_number.value = 0.0;
        return phrase;
    }

    bool isValue() const { return m_kind == Kind::Value; }
    const std::string& valueText() const { return m_value; }
    bool isNumber() const { return m_kind == Kind::Number; }
    const Number& numberValue() const { return m_number; }
    std::string_view pattern() const { return m_pattern; }
    const std::vector<Phrase>& arguments() const { return m_arguments; }

    // The phrase in the source language, the arguments put in place, its numbers written the
    // same whatever the C library's locale.
    std::string english() const {
        if (isValue())
            return m_value;
        if (isNumber())
            return englishNumber(m_number);
        std::string text;
        fillPattern(
            m_pattern, m_arguments.size(), [&text](std::string_view piece) { text += piece; },
            [&](std::size_t index) { text += m_arguments[index].english(); });
        return text;
    }

private:
    enum class Kind { Pattern, Value, Number };

    static std::string englishNumber(const Number& number) {
        std::array<char, 64> digits{};
        const auto [end, error] =
            std::to_chars(digits.data(), digits.data() + digits.size(), number.value,
                          std::chars_format::fixed, number.decimals);
        return error == std::errc{} ? std::string(digits.data(), end) : std::string("?");
    }

    Kind m_kind = Kind::Pattern;
    std::string_view m_pattern;
    std::vector<Phrase> m_arguments;
    std::string m_value;
    Number m_number{};
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
