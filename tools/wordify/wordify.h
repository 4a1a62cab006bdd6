#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::shell {
class SettingsStore;
}

namespace nuvra::tools::wordify {

inline constexpr std::string_view kTooManyDigits = "Nuvra can only Wordify numbers upto 66 digits.";
inline constexpr std::string_view kCalculating = "Calculating...";
inline constexpr std::string_view kInfinity = "Infinity";
// A shown text that is no number and no error word.
inline constexpr std::string_view kNotANumber = "Not a number";

enum class WordifyAlignment { Left, Centre };

struct WordifyText {
    std::string text;
    WordifyAlignment alignment = WordifyAlignment::Left;

    bool operator==(const WordifyText&) const = default;
};

// The words of the main display's shown text: short-scale names up to Vigintillion, a spoken
// decimal part ("Point Five Two") and a spoken exponent ("Times Ten To The Power Minus Zero
// Seven"). The integer words end with a blank. A negative value is "Minus " and the words of
// its magnitude; the integer words come from the digits of the text itself, so typed numbers of
// 16 or more digits are worded exactly; grouping commas are skipped. "" gives "Calculating...",
// "infinity" "Infinity", the other error words a short message, all centred.
WordifyText WordifyDisplay(std::string_view shownText);

enum class DigitWordsKind { Decimal, Exponent };

// Appends "Point" (decimal part only) and " Zero" ... " Nine" for each digit.
void AppendDigitWords(std::string& assembled, std::string_view digits, DigitWordsKind kind);

// What the copy button puts on the clipboard: nothing while the 66-digit message or
// "Calculating..." is shown (the copy notification shows either way).
std::optional<std::string> wordifyClipboardText(std::string_view shownWords);

// Adds one to the usage counter (application "Numbers", section "values", key "usage") and
// returns the new count.
int countWordifyUsage(shell::SettingsStore& store);

} // namespace nuvra::tools::wordify
