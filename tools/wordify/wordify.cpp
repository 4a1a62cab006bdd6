#include "tools/wordify/wordify.h"

#include "shell/settings_store.h"

#include <array>
#include <cctype>

namespace nuvra::tools::wordify {
namespace {

constexpr std::array<std::string_view, 20> kOnes{
    "",         "One",     "Two",     "Three",     "Four",     "Five",    "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<std::string_view, 10> kTens{"",      "Ten",   "Twenty",  "Thirty", "Forty",
                                                 "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
constexpr std::array<std::string_view, 21> kScales{
    "",       "M",         "B",       "Tr",       "Quadr",  "Quint",  "Sext",        "Sept",
    "Oct",    "Non",       "Dec",     "Undec",    "Duodec", "Tredec", "Quattuordec", "Quindec",
    "Sexdec", "Septendec", "Octodec", "Novemdec", "Vigint"};
constexpr std::array<std::string_view, 10> kDigitWords{
    " Zero", " One", " Two", " Three", " Four", " Five", " Six", " Seven", " Eight", " Nine"};

constexpr std::size_t kMaxDigits = 66;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text)
{
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

WordifyText centred(std::string_view text)
{
    return {std::string(text), WordifyAlignment::Centre};
}

// The words of the error words the display can show; nothing for other texts.
std::optional<WordifyText> errorWords(std::string_view text)
{
    const std::string word = lowered(text);
    if (word == "infinity")
        return centred(kInfinity);
    if (word == "-infinity")
        return centred("Minus Infinity");
    if (word == "error")
        return centred("Error");
    if (word == "undefined")
        return centred("Undefined");
    if (word == "overflow")
        return centred("Overflow");
    return std::nullopt;
}

struct Mantissa {
    bool negative = false;
    std::string integerDigits; // without leading zeros; "0" for none
    std::string fractionDigits;
};

// Sign, digits with grouping commas, an optional point and its digits; the whole text.
std::optional<Mantissa> readMantissa(std::string_view text)
{
    Mantissa m;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        m.negative = text[i++] == '-';
    std::size_t digits = 0;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == ','); ++i) {
        if (text[i] == ',')
            continue;
        ++digits;
        if (text[i] != '0' || !m.integerDigits.empty())
            m.integerDigits += text[i];
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            m.fractionDigits += text[i];
    }
    if (i != text.size() || digits + m.fractionDigits.size() == 0)
        return std::nullopt;
    if (m.integerDigits.empty())
        m.integerDigits.assign(1, '0');
    return m;
}

void appendGroupWords(std::string& out, std::string_view group, std::size_t scale)
{
    const int h = group[0] - '0';
    const int t = group[1] - '0';
    const int u = group[2] - '0';
    if (h > 0) {
        out += kOnes[static_cast<std::size_t>(h)];
        out += " Hundred ";
    }
    const int n = 10 * t + u;
    if (n != 0) {
        if (n < 20) {
            out += kOnes[static_cast<std::size_t>(n)];
        } else {
            out += kTens[static_cast<std::size_t>(t)];
            if (u > 0) {
                out += '-';
                out += kOnes[static_cast<std::size_t>(u)];
            }
        }
        out += ' ';
    }
    if (scale == 0 || group == "000")
        return;
    if (scale == 1) {
        out += "Thousand ";
        return;
    }
    out += kScales[scale - 1];
    out += "illion ";
}

} // namespace

void AppendDigitWords(std::string& assembled, std::string_view digits, DigitWordsKind kind)
{
    std::string words = kind == DigitWordsKind::Decimal ? "Point" : "";
    for (char c : digits) {
        if (isDigit(c))
            words += kDigitWords[static_cast<std::size_t>(c - '0')];
    }
    assembled += words;
}

WordifyText WordifyDisplay(std::string_view shownText)
{
    // The error words come first: "OVERFLOW" holds an "E" that is no exponent.
    if (const auto words = errorWords(shownText))
        return *words;
    if (shownText.empty())
        return centred(kCalculating);

    std::string_view mantissaText = shownText;
    std::string_view exponentDigits;
    std::string exponentSign;
    bool hasExponent = false;
    const std::size_t e = shownText.find_first_of("Ee");
    if (e != std::string_view::npos) {
        hasExponent = true;
        mantissaText = shownText.substr(0, e);
        exponentDigits = shownText.substr(e + 1);
        if (!exponentDigits.empty() && (exponentDigits[0] == '-' || exponentDigits[0] == '+')) {
            if (exponentDigits[0] == '-')
                exponentSign = " Minus";
            exponentDigits.remove_prefix(1);
        }
        if (exponentDigits.empty() || !allDigits(exponentDigits))
            return centred(kNotANumber);
    }
    const auto mantissa = readMantissa(mantissaText);
    if (!mantissa)
        return centred(kNotANumber);

    const bool fractionShown = mantissa->fractionDigits.find_first_not_of('0') != std::string::npos;
    std::string out;
    if (mantissa->negative && (mantissa->integerDigits != "0" || fractionShown))
        out += "Minus ";

    std::string digits = mantissa->integerDigits;
    if (digits == "0") {
        out += "Zero ";
    } else {
        if (digits.size() > kMaxDigits)
            return {std::string(kTooManyDigits), WordifyAlignment::Left};
        digits.insert(0, (3 - digits.size() % 3) % 3, '0');
        const std::size_t groups = digits.size() / 3;
        for (std::size_t i = groups; i-- > 0;)
            appendGroupWords(out, std::string_view(digits).substr(3 * (groups - 1 - i), 3), i);
    }
    if (fractionShown)
        AppendDigitWords(out, mantissa->fractionDigits, DigitWordsKind::Decimal);
    if (hasExponent) {
        out += " Times Ten To The Power";
        out += exponentSign;
        AppendDigitWords(out, exponentDigits, DigitWordsKind::Exponent);
    }
    return {out, WordifyAlignment::Left};
}

std::optional<std::string> wordifyClipboardText(std::string_view shownWords)
{
    if (shownWords == kTooManyDigits || shownWords == kCalculating)
        return std::nullopt;
    return std::string(shownWords);
}

int countWordifyUsage(shell::SettingsStore& store)
{
    const double previous =
        store.readNumber(shell::kNumbersApplication, shell::kNumbersValuesSection, "usage", 0);
    const int count = previous >= 0 && previous < 2000000000 ? static_cast<int>(previous) + 1 : 1;
    store.WriteSetting(shell::kNumbersApplication, shell::kNumbersValuesSection, "usage",
                       std::to_string(count));
    return count;
}

} // namespace nuvra::tools::wordify
