#pragma once

#include <optional>
#include <string_view>

namespace nuvra::core {
struct Session;
}

namespace nuvra::sci {

struct ScienceState;

// The keys of the scientific page that work on the display value. x^y, the x-th root and
// percent open the operand strip instead (OperandStrip).
enum class ScientificKey {
    Sin,
    Cos,
    Tan,
    Cot,
    Sec,
    Cosec,
    Ln,
    Exp,
    SquareRoot,
    CubeRoot,
    Square,
    Cube,
    Reciprocal,
    Int,
    Abs,
    Deci,
    Factorial,
    Pie,
    DoubleZero,
};

// The control name of a key ("cmdSin", "cmd3root", "cmd00").
std::string_view scientificKeyName(ScientificKey key);
// The key of a control name given with or without its "cmd" prefix, in any case.
std::optional<ScientificKey> scientificKeyFromName(std::string_view name);

// The literal the pi key writes (not PiValue()).
inline constexpr std::string_view kPieText = "3.14159265358979";

// Whether the key works on the display as one whole number, and so does nothing on a display
// that is no number. Factorial reads the leading number; pi and 00 do not read the display.
bool readsDisplayNumber(ScientificKey key);

// Applies one key to the display value of the session: the result is written as the new
// entry, the step goes to the history and the key ends with FinishKeyAction. The log key reads
// its mode from the science state.
//
// Failures: the guarded keys (sin, cos, tan, cot, sec, cosec, exp, deci, factorial) show
// "infinity" for a division by zero and are silent otherwise; the other keys show "infinity"
// for a division by zero and "error" for a domain error or an overflow. A display text that
// is not one number makes every key except factorial, pi and 00 end silently. A failure adds
// no history lines and plays no sound.
void pressScientificKey(ScientificKey key, core::Session& session, const ScienceState& state);

} // namespace nuvra::sci
