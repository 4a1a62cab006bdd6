#include "sci/scientific_keys.h"

#include "core/engine.h"
#include "core/number_text.h"
#include "core/session.h"
#include "sci/key_action.h"
#include "sci/md_graph.h"
#include "sci/science_state.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace nuvra::sci {
namespace {

using core::Session;

constexpr std::array<std::pair<ScientificKey, std::string_view>, 19> kKeyNames{{
    {ScientificKey::Sin, "cmdSin"},
    {ScientificKey::Cos, "cmdCos"},
    {ScientificKey::Tan, "cmdTan"},
    {ScientificKey::Cot, "cmdCot"},
    {ScientificKey::Sec, "cmdSec"},
    {ScientificKey::Cosec, "cmdcosec"},
    {ScientificKey::Ln, "cmdLn"},
    {ScientificKey::Exp, "cmdExp"},
    {ScientificKey::SquareRoot, "cmdsqroot"},
    {ScientificKey::CubeRoot, "cmd3root"},
    {ScientificKey::Square, "cmdr2"},
    {ScientificKey::Cube, "cmdr3"},
    {ScientificKey::Reciprocal, "cmdreci"},
    {ScientificKey::Int, "cmdint"},
    {ScientificKey::Abs, "cmdAbs"},
    {ScientificKey::Deci, "cmddeci"},
    {ScientificKey::Factorial, "cmdFactorial"},
    {ScientificKey::Pie, "cmdPie"},
    {ScientificKey::DoubleZero, "cmd00"},
}};

// e^x overflows from ln(DBL_MAX) = 709.78 on; the key refuses 710 and more with a beep.
constexpr double kExpRefusedFrom = 710.0;

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

bool isGuarded(ScientificKey key)
{
    switch (key) {
    case ScientificKey::Sin:
    case ScientificKey::Cos:
    case ScientificKey::Tan:
    case ScientificKey::Cot:
    case ScientificKey::Sec:
    case ScientificKey::Cosec:
    case ScientificKey::Exp:
    case ScientificKey::Deci:
    case ScientificKey::Factorial:
        return true;
    default:
        return false;
    }
}

MathResult finite(double value)
{
    if (std::isnan(value))
        return core::unexpected(MathError::Domain);
    if (std::isinf(value))
        return core::unexpected(MathError::Overflow);
    return value;
}

// The sine and cosine of the keys: in Turns through degrees.
MathResult keySine(double x, AngularSystem system)
{
    return system == AngularSystem::Turns ? Sine(x * 360.0, AngularSystem::Degrees)
                                          : Sine(x, system);
}

MathResult keyCosine(double x, AngularSystem system)
{
    return system == AngularSystem::Turns ? Cosine(x * 360.0, AngularSystem::Degrees)
                                          : Cosine(x, system);
}

MathResult reciprocal(const MathResult& value)
{
    if (!value)
        return value;
    if (*value == 0.0)
        return core::unexpected(MathError::DivideByZero);
    return finite(1.0 / *value);
}

std::string bracketed(std::string_view name, double x)
{
    return std::string(name) + core::NumberToText(x) + " )";
}

// A key's outcome before it reaches the display: the value (or why there is none), the text
// to write and the expression line.
struct KeyStep {
    MathResult value = 0.0;
    std::string expression;
    std::string text; // set when the result is not simply NumberToText(value)
};

// The decimal part as the display text has it: "0." and the digits after the point, so that
// 2.05 gives 0.05 and not 0.0499999999999998. A text in exponent form has no such digits; its
// decimal part is computed.
std::string decimalPartText(const std::string& entry, double x)
{
    if (x == std::trunc(x))
        return "0";
    const std::size_t point = entry.find('.');
    const bool exponentForm = entry.find_first_of("eE") != std::string::npos;
    if (point == std::string::npos || exponentForm)
        return core::NumberToText(std::fabs(x - std::trunc(x)));
    return "0." + entry.substr(point + 1);
}

void completeKey(Session& session, const std::string& expression, const std::string& text)
{
    writeDisplayValue(session.display, text);
    session.history.appendExpression(expression);
    session.history.appendResult(text);
    FinishKeyAction(session);
}

void failKey(Session& session, ScientificKey key, MathError error)
{
    if (error == MathError::DivideByZero)
        session.display.ShowError("i");
    else if (!isGuarded(key))
        session.display.ShowError("e");
}

void pressFactorialKey(Session& session)
{
    const double x = core::ReadLeadingNumber(session.display.entry());
    const double n = std::fabs(std::floor(x));
    // n is a 16-bit whole number, and the product leaves the double range after 170!.
    if (!(n <= std::numeric_limits<std::int16_t>::max()) || n > 170.0) {
        session.display.setShown("OVERFLOW");
        return;
    }
    double product = 1.0;
    for (int i = 2; i <= static_cast<int>(n); ++i)
        product *= i;
    completeKey(session, " (" + core::NumberToText(n) + " ) !", core::NumberToText(product));
}

void pressLogKey(Session& session, LogKeyMode mode, double x)
{
    // ln and log have no value at 0: "error" with its history lines. Ten to the power 0 is 1.
    if (x == 0.0 && (mode == LogKeyMode::NaturalLog || mode == LogKeyMode::Log10)) {
        session.display.ShowError("e");
        session.history.appendExpression(bracketed(" ln (", 0.0));
        session.history.appendResult("0");
        FinishKeyAction(session);
        return;
    }
    KeyStep step;
    switch (mode) {
    case LogKeyMode::NaturalLog:
        step = {finite(std::log(x)), bracketed(" ln (", x), {}};
        break;
    case LogKeyMode::Log10:
        // ln(x) / 2.302585092994049898 would give 2.99999999999999 for 1000: that literal's
        // double lies above ln 10. The common log itself is exact at the powers of ten.
        step = {finite(std::log10(x)), bracketed(" log (", x), {}};
        break;
    case LogKeyMode::AntiLog10:
        step = {finite(std::pow(10.0, x)), bracketed(" -log (", x), {}};
        break;
    case LogKeyMode::AntiLogE:
        step = {finite(std::exp(x)), bracketed(" -ln (", x), {}};
        break;
    }
    if (!step.value) {
        failKey(session, ScientificKey::Ln, step.value.error());
        return;
    }
    completeKey(session, step.expression, core::NumberToText(*step.value));
}

} // namespace

std::string_view scientificKeyName(ScientificKey key)
{
    for (const auto& [k, name] : kKeyNames) {
        if (k == key)
            return name;
    }
    return {};
}

std::optional<ScientificKey> scientificKeyFromName(std::string_view name)
{
    for (const auto& [key, controlName] : kKeyNames) {
        if (equalsIgnoringCase(name, controlName) ||
            equalsIgnoringCase(name, controlName.substr(3)))
            return key;
    }
    return std::nullopt;
}

bool readsDisplayNumber(ScientificKey key)
{
    return key != ScientificKey::Factorial && key != ScientificKey::Pie &&
           key != ScientificKey::DoubleZero;
}

void pressScientificKey(ScientificKey key, Session& session, const ScienceState& state)
{
    switch (key) {
    case ScientificKey::Factorial:
        pressFactorialKey(session);
        return;
    case ScientificKey::Pie:
        writeDisplayValue(session.display, std::string(kPieText));
        FinishKeyAction(session);
        return;
    case ScientificKey::DoubleZero: {
        // Two presses of the keypad's 0 key: the number being typed goes on.
        core::Engine engine(session);
        engine.digit(0, core::KeyPath::Keypad);
        engine.digit(0, core::KeyPath::Keypad);
        return;
    }
    default:
        break;
    }

    const std::optional<double> read = readDisplayValue(session.display);
    if (!read)
        return;
    const double x = *read;
    const AngularSystem system = session.angularSystem;

    KeyStep step;
    switch (key) {
    case ScientificKey::Sin:
        step = {keySine(x, system), bracketed(" sin (", x), {}};
        break;
    case ScientificKey::Cos:
        step = {keyCosine(x, system), bracketed(" cos (", x), {}};
        break;
    case ScientificKey::Tan:
        step = {system == AngularSystem::Turns
                    ? Tangent(x * 360.0, AngularSystem::Degrees, session.display)
                    : Tangent(x, system, session.display),
                bracketed(" tan (", x),
                {}};
        break;
    case ScientificKey::Cot:
        step = {Cotangent(x, system), bracketed(" cot (", x), {}};
        break;
    case ScientificKey::Sec:
        step = {reciprocal(keyCosine(x, system)), bracketed(" sec (", x), {}};
        break;
    case ScientificKey::Cosec:
        step = {reciprocal(keySine(x, system)), bracketed(" cosec (", x), {}};
        break;
    case ScientificKey::Ln:
        pressLogKey(session, state.logKeyMode, x);
        return;
    case ScientificKey::Exp:
        if (x >= kExpRefusedFrom) {
            session.feedback.beep();
            FinishKeyAction(session);
            return;
        }
        step = {finite(std::exp(x)), bracketed(" exp (", x), {}};
        break;
    case ScientificKey::SquareRoot:
        step = {finite(std::pow(x, 0.5)), bracketed(" sqrt (", x), {}};
        break;
    case ScientificKey::CubeRoot: {
        // The real cube root: a negative x gives the negative root.
        const double root = std::pow(std::fabs(x), 1.0 / 3.0);
        step = {finite(x < 0.0 ? -root : root), bracketed(" cubert (", x), {}};
        break;
    }
    case ScientificKey::Square:
        step = {finite(std::pow(x, 2.0)), bracketed(" sqr (", x), {}};
        break;
    case ScientificKey::Cube:
        step = {finite(std::pow(x, 3.0)), bracketed(" cube (", x), {}};
        break;
    case ScientificKey::Reciprocal:
        step = {reciprocal(x), bracketed(" reciproc (", x), {}};
        break;
    case ScientificKey::Int:
        step = {std::floor(x), bracketed(" int (", x), {}};
        break;
    case ScientificKey::Abs:
        step = {std::fabs(x), " |" + core::NumberToText(x) + "|", {}};
        break;
    case ScientificKey::Deci:
        step = {0.0, bracketed(" deci (", x), decimalPartText(session.display.entry(), x)};
        break;
    case ScientificKey::Factorial:
    case ScientificKey::Pie:
    case ScientificKey::DoubleZero:
        return;
    }

    if (!step.value) {
        failKey(session, key, step.value.error());
        return;
    }
    completeKey(session, step.expression,
                step.text.empty() ? core::NumberToText(*step.value) : step.text);
}

} // namespace nuvra::sci
