#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvra::graph {

// The Graph toolbox's equation field with its chunks: every change that makes the text longer
// records how many characters it added, so that one backspace takes away what one insertion
// put in (a whole "Sin(" from its pad key, one character typed).
class EquationPad {
public:
    // The field as it opens: "x", one chunk of 1.
    EquationPad();

    const std::string& text() const { return m_text; }
    const std::vector<int>& chunks() const { return m_chunks; }

    // The field's text changed to this (typed, pasted or set): a longer text records a chunk.
    void textChanged(std::string_view text);
    // A pad key: appends its text.
    void append(std::string_view text);
    // Removes the last chunk's characters from the end (no more than there are); nothing when
    // the text or the chunk list is empty.
    void backspace();
    // Empties the text and forgets the chunks.
    void clear();

private:
    std::string m_text;
    std::vector<int> m_chunks;
};

// A pad key of the Graph toolbox and the text it appends.
struct PadKey {
    std::string_view name;
    std::string_view caption;
    std::string_view text;
};

inline constexpr PadKey kPadKeys[] = {
    {"cmdNum7", "7", "7"},           {"cmdNum8", "8", "8"},
    {"cmdNum9", "9", "9"},           {"cmdDividedBy", "÷", "/"},
    {"cmdSin", "Sin", "Sin("},       {"cmdAsn", "Sin^-1", "Asn("},
    {"cmdNum4", "4", "4"},           {"cmdNum5", "5", "5"},
    {"cmdNum6", "6", "6"},           {"cmdTimes", "×", "*"},
    {"cmdCos", "Cos", "Cos("},       {"cmdAcs", "Cos^-1", "Acs("},
    {"cmdNum1", "1", "1"},           {"cmdNum2", "2", "2"},
    {"cmdNum3", "3", "3"},           {"cmdMinusOrNeg", "-", "-"},
    {"cmdTan", "Tan", "Tan("},       {"cmdAtn", "Tan^-1", "Atn("},
    {"cmdNum0", "0", "0"},           {"cmdDecPoint", ".", "."},
    {"cmdXVar", "x", "x"},           {"cmdPlus", "+", "+"},
    {"cmdCsc", "Csc", "Csc("},       {"cmdSec", "Sec", "Sec("},
    {"cmdOpenPar", "(", "("},        {"cmdClosedPar", ")", ")"},
    {"cmdPi", "Pi", "Pi"},           {"cmdSquared", "x^2", "^2"},
    {"cmdCot", "Cot", "Cot("},       {"cmdSqr", "Sqr", "Sqr("},
    {"cmdXtoYpower", "x^y", "^("},   {"cmdNeg1Power", "x^-1", "^-1"},
    {"cmdRecip", "1 / x", "1/("},    {"cmdFactorial", "x!", "!"},
    {"cmdAbs", "Abs", "Abs("},       {"cmdExp", "e^x", "Exp("},
    {"cmdLn", "Ln", "Ln("},          {"cmdLog", "Log", "Log("},
    {"cmdEPlus", "E+", "E+"},        {"cmdENeg", "E-", "E-"},
};

} // namespace nuvra::graph
