#include "eval/expression_evaluator.h"

#include "core/display_value.h"
#include "core/number_text.h"
#include "core/result.h"
#include "core/session.h"
#include "sci/md_graph.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace nuvra::eval {
namespace {

using core::AngularSystem;
using sci::MathError;
using sci::MathResult;

constexpr std::size_t npos = std::string::npos;

enum class Variant { Equation, Graph };
enum class Failure { Syntax, Error };

using TextResult = core::Result<std::string, Failure>;

// The functions in the order in which they are looked for; "sqr(" is taken at its last
// occurrence, the others at their first.
enum class Function { Log, Ln, Exp, Sin, Csc, Asn, Cos, Sec, Acs, Tan, Cot, Atn, Sqr, Int, Abs };

struct FunctionName {
    Function function;
    std::string_view name;
};

constexpr std::array<FunctionName, 15> kFunctions{{
    {Function::Log, "log("},
    {Function::Ln, "ln("},
    {Function::Exp, "exp("},
    {Function::Sin, "sin("},
    {Function::Csc, "csc("},
    {Function::Asn, "asn("},
    {Function::Cos, "cos("},
    {Function::Sec, "sec("},
    {Function::Acs, "acs("},
    {Function::Tan, "tan("},
    {Function::Cot, "cot("},
    {Function::Atn, "atn("},
    {Function::Sqr, "sqr("},
    {Function::Int, "int("},
    {Function::Abs, "abs("},
}};

// The pi text with "." as its decimal point; in a formula it stands in brackets, so that
// 2pi multiplies like 2(pi).
constexpr std::string_view kPiText = "3.14159265358979";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isSign(char c)
{
    return c == '+' || c == '-';
}

struct Context {
    Context(Variant kind, AngularSystem angles, core::DisplayValue& shownOn, std::string ans)
        : variant(kind), system(angles), display(shownOn), answer(std::move(ans))
    {
    }

    Variant variant;
    AngularSystem system;
    core::DisplayValue& display;
    std::string answer; // what "ans" stands for
    std::size_t workLeft = kWorkBudget;
    bool exhausted = false;
    std::vector<std::uint32_t> brackets; // reused bracket map

    // Counts work; false once the budget is spent.
    bool charge(std::size_t units)
    {
        if (exhausted || units > workLeft) {
            exhausted = true;
            return false;
        }
        workLeft -= units;
        return true;
    }
};

TextResult evaluateText(std::string_view formula, Context& context, int depth);

std::string withoutCharacters(std::string_view text, std::string_view drop)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (drop.find(c) == npos)
            out += c;
    }
    return out;
}

void replaceAll(std::string& text, std::string_view what, std::string_view with, Context& context)
{
    std::size_t at = text.find(what);
    if (at == npos)
        return;
    std::string out;
    std::size_t from = 0;
    while (at != npos) {
        out.append(text, from, at - from);
        out.append(with);
        from = at + what.size();
        at = text.find(what, from);
    }
    out.append(text, from, npos);
    context.charge(out.size());
    text = std::move(out);
}

// Index of the ")" that closes the "(" at open, or npos.
std::size_t matchingClose(const std::string& text, std::size_t open, Context& context)
{
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            if (--depth == 0) {
                context.charge(i - open);
                return i;
            }
        }
    }
    context.charge(text.size() - open);
    return npos;
}

bool startsFunctionName(const std::string& text, std::size_t at)
{
    for (const FunctionName& entry : kFunctions) {
        if (text.compare(at, entry.name.size(), entry.name) == 0)
            return true;
    }
    return false;
}

// A digit or ")" directly before a function name multiplies with its value, as before a
// bracket: 2sin(30) is 2 * sin(30).
void multiplyBeforeFunctions(std::string& text, Context& context)
{
    std::string out;
    bool changed = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i > 0 && isLetter(c) && !isLetter(text[i - 1]) && startsFunctionName(text, i)) {
            const char before = text[i - 1];
            if (isDigit(before) || before == ')') {
                if (!changed) {
                    out.assign(text, 0, i);
                    changed = true;
                }
                out += '*';
            }
        }
        if (changed)
            out += c;
    }
    context.charge(text.size());
    if (changed)
        text = std::move(out);
}

// The implicit multiplication pass: a cursor visits the brackets from left to right and
// inserts the "*" that a formula leaves out: 2(3), (2)(3), (2)3, and the "1*" of -(2+3).
// Both next-bracket positions are kept up to date instead of being searched again, so the
// pass stays linear in the number of brackets.
core::Result<void, Failure> implicitMultiplication(std::string& t, Context& context)
{
    // 1-based positions; 0 means none.
    auto findAfter = [&t](char bracket, std::size_t cursor) -> std::size_t {
        const std::size_t at = t.find(bracket, cursor);
        return at == npos ? 0 : at + 1;
    };
    auto charAt = [&t](std::size_t position) -> char {
        return position >= 1 && position <= t.size() ? t[position - 1] : '\0';
    };
    std::size_t cursor = 0;
    std::size_t open = findAfter('(', 0);
    std::size_t close = findAfter(')', 0);
    while (open != 0 || close != 0) {
        if (!context.charge(1))
            return core::unexpected(Failure::Error);
        if (open == 0 || open == 1 || (close != 0 && close < open)) {
            if (close == 0)
                break;
            cursor = close;
            const char after = charAt(cursor + 1);
            if (isDigit(after) || after == '(' || after == 'x') {
                t.insert(cursor, 1, '*');
                context.charge(t.size());
                if (open != 0)
                    ++open;
            }
            context.charge(1);
            close = findAfter(')', cursor);
            if (open != 0 && open <= cursor)
                open = findAfter('(', cursor);
            continue;
        }
        cursor = open;
        const char before = charAt(open - 1);
        std::size_t shift = 0;
        if (isDigit(before) || before == ')' || before == 'x') {
            t.insert(open - 1, 1, '*');
            shift = 1;
        } else if (before == '-') {
            const char beforeSign = charAt(open - 2);
            if (open != 2 && (beforeSign == '*' || beforeSign == '/')) {
                // 2*-(3+4) becomes 2*(-1*(3+4)).
                const std::size_t groupEnd = matchingClose(t, open - 1, context);
                if (groupEnd == npos)
                    return core::unexpected(Failure::Syntax);
                t.insert(groupEnd + 1, 1, ')');
                t.replace(open - 2, 1, "(-1*");
                shift = 3;
            } else {
                t.insert(open - 1, "1*");
                shift = 2;
            }
        }
        if (shift != 0)
            context.charge(t.size());
        if (close != 0)
            close += shift;
        open = findAfter('(', cursor);
    }
    return {};
}

// Preparation: lower case, no blanks, pi and ans replaced, the suffixes split off, missing
// closing brackets added, implicit multiplication.
struct Prepared {
    std::string expression;
    std::string suffixes; // from the first ">" on; empty for the plotter
};

core::Result<Prepared, Failure> prepare(std::string_view formula, Context& context)
{
    std::string text;
    text.reserve(formula.size());
    for (char c : formula) {
        if (c == ' ' || c == '\t')
            continue;
        text += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    Prepared prepared;
    if (context.variant == Variant::Equation) {
        const std::size_t suffix = text.find('>');
        if (suffix != npos) {
            prepared.suffixes = text.substr(suffix);
            text.resize(suffix);
        }
        replaceAll(prepared.suffixes, "pi", kPiText, context);
        replaceAll(prepared.suffixes, "ans", context.answer, context);
    }
    replaceAll(text, "pi", "(" + std::string(kPiText) + ")", context);
    if (context.variant == Variant::Equation)
        replaceAll(text, "ans", context.answer, context);

    std::size_t opens = 0;
    std::size_t closes = 0;
    for (char c : text) {
        opens += c == '(';
        closes += c == ')';
    }
    if (closes > opens)
        return core::unexpected(Failure::Syntax);
    text.append(opens - closes, ')');
    if (!context.charge(text.size()))
        return core::unexpected(Failure::Error);

    multiplyBeforeFunctions(text, context);
    if (auto done = implicitMultiplication(text, context); !done)
        return core::unexpected(done.error());
    if (context.exhausted)
        return core::unexpected(Failure::Error);
    prepared.expression = std::move(text);
    return prepared;
}

// Sign folding: every run of "+" and "-" becomes one sign, "-" for an odd number of "-"; a
// run at the very start that comes to "+" disappears.
void foldSigns(std::string& w)
{
    bool hasRun = false;
    for (std::size_t i = 1; i < w.size() && !hasRun; ++i)
        hasRun = isSign(w[i]) && isSign(w[i - 1]);
    if (!hasRun)
        return;
    std::string out;
    out.reserve(w.size());
    for (std::size_t i = 0; i < w.size();) {
        if (!isSign(w[i])) {
            out += w[i++];
            continue;
        }
        const std::size_t start = i;
        int minus = 0;
        while (i < w.size() && isSign(w[i]))
            minus += w[i++] == '-';
        if (i - start == 1)
            out += w[start];
        else if (minus % 2 == 1)
            out += '-';
        else if (start != 0)
            out += '+';
    }
    w = std::move(out);
}

// The bracket map: for every "(" the index of its ")". A ")" without a "(" before it is a
// syntax error.
bool buildBracketMap(const std::string& w, Context& context)
{
    std::vector<std::uint32_t>& map = context.brackets;
    map.assign(w.size(), 0);
    std::vector<std::uint32_t> open;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] == '(') {
            open.push_back(static_cast<std::uint32_t>(i));
        } else if (w[i] == ')') {
            if (open.empty())
                return false;
            map[open.back()] = static_cast<std::uint32_t>(i);
            open.pop_back();
        }
    }
    return true;
}

MathResult finite(double value)
{
    if (!std::isfinite(value))
        return core::unexpected(MathError::Overflow);
    return value;
}

MathResult reciprocal(const MathResult& value)
{
    if (!value)
        return value;
    if (*value == 0.0)
        return core::unexpected(MathError::DivideByZero);
    return finite(1.0 / *value);
}

MathResult applyFunction(Function function, double v, Context& context)
{
    const bool graph = context.variant == Variant::Graph;
    const AngularSystem system = graph ? AngularSystem::Radians : context.system;
    switch (function) {
    case Function::Log:
        return sci::Log10(v);
    case Function::Ln:
        if (!(v > 0.0))
            return core::unexpected(MathError::Domain);
        return finite(std::log(v));
    case Function::Exp:
        return finite(std::exp(v));
    case Function::Sin:
        return graph ? finite(std::sin(v)) : sci::Sine(v, system);
    case Function::Csc:
        return reciprocal(graph ? finite(std::sin(v)) : sci::Sine(v, system));
    case Function::Asn:
        return sci::ArcSine(v, system);
    case Function::Cos:
        return graph ? finite(std::cos(v)) : sci::Cosine(v, system);
    case Function::Sec:
        return reciprocal(graph ? finite(std::cos(v)) : sci::Cosine(v, system));
    case Function::Acs:
        return sci::ArcCosine(v, system);
    case Function::Tan:
        return sci::Tangent(v, system, context.display);
    case Function::Cot:
        return sci::Cotangent(v, system);
    case Function::Atn:
        return graph ? finite(std::atan(v)) : sci::ArcTangent(v, system);
    case Function::Sqr:
        if (v < 0.0)
            return core::unexpected(MathError::Domain);
        return finite(std::sqrt(v));
    case Function::Int:
        return std::trunc(v);
    case Function::Abs:
        return std::fabs(v);
    }
    return core::unexpected(MathError::Domain);
}

std::string replaced(const std::string& w, std::size_t begin, std::size_t end,
                     std::string_view with)
{
    std::string out;
    out.reserve(w.size() - (end - begin) + with.size());
    out.append(w, 0, begin);
    out.append(with);
    out.append(w, end, npos);
    return out;
}

// The operand's value: its text without "%" and "!" (and, for "^", without brackets), then
// the factorial and the percent of its flags in the operator's order.
core::Result<double, Failure> operandValue(const std::string& w, const Operand& operand,
                                           bool forPower)
{
    const std::string_view text =
        std::string_view(w).substr(operand.begin, operand.end - operand.begin);
    const std::string stripped = withoutCharacters(text, forPower ? "%!()" : "%!");
    const std::optional<double> plain = PlainNumberValue(stripped);
    if (!plain)
        return core::unexpected(Failure::Error);
    double value = *plain;
    if (forPower && operand.percent)
        value /= 100.0;
    if (operand.factorial) {
        const MathResult factorial = sci::Factorial(value);
        if (!factorial)
            return core::unexpected(Failure::Error);
        value = *factorial;
    }
    if (!forPower && operand.percent)
        value /= 100.0;
    return value;
}

// Applies the operator at index k ("m" of "mod"); the operands are replaced with the result.
core::Result<std::string, Failure> applyOperator(const std::string& w, std::size_t k)
{
    const char op = w[k];
    const bool power = op == '^';
    const Operand right = ScanOperand(w, op == 'm' ? k + 2 : k, ScanDirection::Rightwards);
    const Operand left = ScanOperand(w, k, ScanDirection::Leftwards);
    const auto a = operandValue(w, left, power);
    const auto b = operandValue(w, right, power);
    if (!a || !b)
        return core::unexpected(Failure::Error);
    double result = 0.0;
    switch (op) {
    case '^':
        if (left.parenthesised) {
            result = std::pow(*a, *b);
        } else {
            result = std::pow(std::fabs(*a), *b);
            if (*a < 0.0)
                result = -result;
        }
        break;
    case '*':
        result = *a * *b;
        break;
    case '/':
        if (*b == 0.0)
            return core::unexpected(Failure::Error);
        result = *a / *b;
        break;
    case 'm': {
        const MathResult remainder = sci::RealRemainder(*a, *b);
        if (!remainder)
            return core::unexpected(Failure::Error);
        result = *remainder;
        break;
    }
    case '+':
        result = *a + *b;
        break;
    default:
        result = *a - *b;
        break;
    }
    if (!std::isfinite(result))
        return core::unexpected(Failure::Error);
    char buffer[core::kNumberTextCapacity];
    const std::size_t length = core::NumberToText(result, buffer);
    return replaced(w, left.begin, right.end, std::string_view(buffer, length));
}

std::string numberText(double value)
{
    return core::NumberToText(value);
}

// One pass of the main loop. It either rewrites w once (true), or finds that no operator is
// left (false).
core::Result<bool, Failure> rewriteOnce(std::string& w, Context& context, int depth)
{
    foldSigns(w);

    const bool hasBrackets = w.find_first_of("()") != npos;
    if (hasBrackets) {
        if (!buildBracketMap(w, context))
            return core::unexpected(Failure::Syntax);
        const std::vector<std::uint32_t>& map = context.brackets;

        // Functions: the first name of the list that occurs, at its first occurrence.
        for (const FunctionName& entry : kFunctions) {
            const std::size_t at =
                entry.function == Function::Sqr ? w.rfind(entry.name) : w.find(entry.name);
            if (at == npos)
                continue;
            const std::size_t open = at + entry.name.size() - 1;
            const std::size_t close = map[open];
            if (close <= open)
                return core::unexpected(Failure::Error);
            const TextResult argument = evaluateText(
                std::string_view(w).substr(open + 1, close - open - 1), context, depth + 1);
            if (!argument)
                return core::unexpected(Failure::Error);
            const std::optional<double> v = PlainNumberValue(*argument);
            if (!v)
                return core::unexpected(Failure::Error);
            const MathResult value = applyFunction(entry.function, *v, context);
            if (!value)
                return core::unexpected(Failure::Error);
            w = replaced(w, at, close + 1, numberText(*value));
            return true;
        }

        // Bracket groups, from left to right. A plain number followed by "^" stays in its
        // brackets for the power, which tells (-2)^2 from -2^2.
        for (std::size_t open = w.find('('); open != npos; open = w.find('(', open + 1)) {
            const std::size_t close = map[open];
            if (close <= open)
                return core::unexpected(Failure::Error);
            const std::string_view content = std::string_view(w).substr(open + 1, close - open - 1);
            if (const std::optional<double> plain = PlainNumberValue(content)) {
                if (close + 1 < w.size() && w[close + 1] == '^')
                    continue;
                w = replaced(w, open, close + 1, numberText(*plain));
                return true;
            }
            const TextResult inner = evaluateText(content, context, depth + 1);
            if (!inner || !IsPlainNumber(*inner))
                return core::unexpected(Failure::Error);
            w = replaced(w, open + 1, close, *inner);
            return true;
        }
    }

    // Power: the rightmost "^", so 2^3^2 is 2^9.
    if (const std::size_t at = w.rfind('^'); at != npos) {
        auto next = applyOperator(w, at);
        if (!next)
            return core::unexpected(next.error());
        w = std::move(*next);
        return true;
    }

    // Multiplication, division and mod: whichever comes first.
    {
        std::size_t at = w.find_first_of("*/");
        const std::size_t mod = w.find("mod");
        if (mod != npos && (at == npos || mod < at))
            at = mod;
        if (at != npos) {
            auto next = applyOperator(w, at);
            if (!next)
                return core::unexpected(next.error());
            w = std::move(*next);
            return true;
        }
    }

    // Addition and subtraction: a sign at the very start belongs to the number, and so does a
    // sign after the exponent letter.
    for (std::size_t from = 1; from < w.size();) {
        const std::size_t at = w.find_first_of("+-", from);
        if (at == npos)
            break;
        if (w[at - 1] == 'e' || w[at - 1] == 'E') {
            from = at + 1;
            continue;
        }
        auto next = applyOperator(w, at);
        if (!next)
            return core::unexpected(next.error());
        w = std::move(*next);
        return true;
    }
    return false;
}

// No operator is left: the factorial and then the percent of the single operand (5!% is 1.2).
core::Result<void, Failure> applySingleOperand(std::string& w)
{
    const bool factorial =
        !withoutCharacters(w, "%").empty() && withoutCharacters(w, "%").back() == '!';
    const std::string withoutFactorial = withoutCharacters(w, "!");
    const bool percent = !withoutFactorial.empty() && withoutFactorial.back() == '%';
    if (factorial) {
        const std::optional<double> value = PlainNumberValue(withoutCharacters(w, "%!"));
        if (!value)
            return core::unexpected(Failure::Error);
        const MathResult product = sci::Factorial(*value);
        if (!product)
            return core::unexpected(Failure::Error);
        w = numberText(*product);
    }
    if (percent) {
        const std::optional<double> value = PlainNumberValue(withoutCharacters(w, "%!"));
        if (!value)
            return core::unexpected(Failure::Error);
        w = numberText(*value / 100.0);
    }
    return {};
}

TextResult evaluateMain(std::string w, Context& context, int depth)
{
    for (;;) {
        if (!context.charge(w.size() + 1))
            return core::unexpected(Failure::Error);
        if (const std::optional<double> plain = PlainNumberValue(w))
            return numberText(*plain);
        const auto rewritten = rewriteOnce(w, context, depth);
        if (!rewritten)
            return core::unexpected(rewritten.error());
        if (context.exhausted)
            return core::unexpected(Failure::Error);
        if (!*rewritten)
            break;
    }
    if (auto single = applySingleOperand(w); !single)
        return core::unexpected(single.error());
    const std::optional<double> value = PlainNumberValue(w);
    if (!value)
        return core::unexpected(Failure::Error);
    return numberText(*value);
}

// The ">roundto(d)" and ">frac" suffixes; any other text after ">" is ignored.
TextResult applySuffixes(std::string w, const std::string& suffixes)
{
    constexpr std::string_view kRoundTo = ">roundto(";
    if (const std::size_t at = suffixes.find(kRoundTo); at != npos) {
        const std::size_t from = at + kRoundTo.size();
        const std::size_t to = suffixes.find(')', from);
        const std::optional<double> digits = PlainNumberValue(
            std::string_view(suffixes).substr(from, to == npos ? npos : to - from));
        if (!digits)
            return core::unexpected(Failure::Error);
        // Beyond a few hundred decimals either way the scale leaves the double range.
        const double d = std::clamp(std::nearbyint(*digits), -1000.0, 1000.0);
        const double rounded = RoundToDigits(*PlainNumberValue(w), static_cast<int>(d));
        if (!std::isfinite(rounded))
            return core::unexpected(Failure::Error);
        w = numberText(rounded);
    }
    if (suffixes.find(">frac") != npos)
        w = FractionText(*PlainNumberValue(w));
    return w;
}

TextResult evaluateText(std::string_view formula, Context& context, int depth)
{
    if (depth > kMaxNesting || !context.charge(formula.size() + 1))
        return core::unexpected(Failure::Error);
    auto prepared = prepare(formula, context);
    if (!prepared)
        return core::unexpected(prepared.error());
    TextResult result = evaluateMain(std::move(prepared->expression), context, depth);
    if (!result || prepared->suffixes.empty())
        return result;
    return applySuffixes(std::move(*result), prepared->suffixes);
}

std::string resultText(const TextResult& result)
{
    if (result)
        return *result;
    return std::string(result.error() == Failure::Syntax ? kSyntaxError : kError);
}

} // namespace

std::optional<double> PlainNumberValue(std::string_view text)
{
    if (text.empty() || text.find_first_of("()") != npos)
        return std::nullopt;
    if (text.find(',') != npos)
        return core::ReadPastedNumber(text);
    return core::ReadWholeNumber(text);
}

Operand ScanOperand(std::string_view text, std::size_t start, ScanDirection direction)
{
    // 1-based positions as the rule is stated; position 0 and n + 1 lie outside the text.
    const long n = static_cast<long>(text.size());
    const bool leftwards = direction == ScanDirection::Leftwards;
    const long step = leftwards ? -1 : 1;
    const long first = static_cast<long>(start) + 1;
    auto at = [&](long position) -> char {
        return position >= 1 && position <= n ? upper(text[position - 1]) : '\0';
    };
    long pos = first;
    bool skip = false;
    for (;;) {
        pos += step;
        if (pos < 1 || pos > n)
            break;
        if (skip) {
            skip = false;
            continue;
        }
        const char c = at(pos);
        if (isDigit(c) || c == '.' || c == '%' || c == '!' || c == '(' || c == ')' || c == ',')
            continue;
        if (c == 'E') {
            if (leftwards)
                continue;
            if (isSign(at(pos + 1))) {
                skip = true;
                continue;
            }
            break;
        }
        if (c == '-') {
            if (leftwards) {
                const char before = at(pos - 1);
                if (before == '+' || before == '-' || before == '*' || before == '/' ||
                    before == '\0') {
                    pos -= 1;
                    break;
                }
                if (before == '(') {
                    pos -= 2;
                    break;
                }
                if (before == 'E') {
                    skip = true;
                    continue;
                }
                break;
            }
            if (pos == first + 1)
                continue;
            break;
        }
        if (c == '+' && leftwards && at(pos - 1) == 'E') {
            skip = true;
            continue;
        }
        break;
    }
    pos -= step;

    Operand operand;
    if (leftwards) {
        operand.begin = static_cast<std::size_t>(pos - 1);
        operand.end = start;
    } else {
        operand.begin = start + 1;
        operand.end = static_cast<std::size_t>(pos);
    }
    if (operand.end < operand.begin)
        operand.end = operand.begin;
    const std::string_view body = text.substr(operand.begin, operand.end - operand.begin);
    const std::string noPercent = withoutCharacters(body, "%");
    const std::string noFactorial = withoutCharacters(body, "!");
    operand.factorial = !noPercent.empty() && noPercent.back() == '!';
    operand.percent = !noFactorial.empty() && noFactorial.back() == '%';
    operand.parenthesised = body.size() >= 2 && body.front() == '(' && body.back() == ')';
    return operand;
}

std::string EvaluateExpression(std::string_view formula, core::Session& session)
{
    try {
        const std::string& entry = session.display.entry();
        Context context(Variant::Equation, session.angularSystem, session.display,
                        "(" + (entry.empty() ? std::string("0") : entry) + ")");
        const TextResult result = evaluateText(formula, context, 0);
        if (result)
            session.engine.clearOnDigit = true;
        return resultText(result);
    } catch (...) {
        // Only an allocation can fail here; it is one more formula that gives no number.
        return std::string(kError);
    }
}

std::string EvaluateGraphExpression(std::string_view formula, core::DisplayValue& display)
{
    try {
        Context context(Variant::Graph, AngularSystem::Radians, display, {});
        return resultText(evaluateText(formula, context, 0));
    } catch (...) {
        return std::string(kError);
    }
}

double RoundToDigits(double value, int digits)
{
    const double scale = std::pow(10.0, digits);
    const double v = value * scale;
    double f = std::trunc(v);
    if (std::fabs(v - f) >= 0.5)
        f += v < 0.0 ? -1.0 : 1.0;
    return f / scale;
}

std::string FractionText(double value)
{
    char target[core::kNumberTextCapacity];
    const std::size_t targetLength = core::NumberToText(value, target);
    const std::string_view targetText(target, targetLength);
    if (!std::isfinite(value))
        return std::string(targetText);
    // Two numbers whose 15-digit texts agree lie within one unit of the 15th digit; anything
    // farther apart is told apart without writing its text.
    const double closeEnough = std::fabs(value) * 1e-13;
    double denominator = 1.0;
    double numerator = 1.0;
    double candidate = 1.0;
    char text[core::kNumberTextCapacity];
    for (int step = 0; step < 1'000'000; ++step) {
        if (std::fabs(candidate - value) <= closeEnough &&
            std::string_view(text, core::NumberToText(candidate, text)) == targetText) {
            if (denominator == 1.0)
                return std::string(targetText);
            return numberText(numerator) + "/" + numberText(denominator);
        }
        if (candidate >= value) {
            denominator += 1.0;
            numerator = std::nearbyint(value * denominator);
        } else {
            numerator += 1.0;
        }
        candidate = numerator / denominator;
        if (!std::isfinite(candidate))
            break;
    }
    return std::string(targetText);
}

} // namespace nuvra::eval
