#include "sci/memory_tax.h"

#include "core/number_text.h"
#include "core/session.h"
#include "sci/key_action.h"
#include "sci/science_state.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace nuvra::sci {
namespace {

constexpr int kSingleDigits = 7;

// The nearest float, or nothing beyond the single-precision range.
std::optional<float> toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

void changeMemory(core::Session& session, ScienceState& state, double sign)
{
    const double v = core::ReadLeadingNumber(session.display.entry());
    const std::optional<float> sum = toSingle(static_cast<double>(state.memoryRegister) + sign * v);
    if (!sum)
        return;
    state.memoryRegister = *sum;
    FinishKeyAction(session);
}

void applyTax(core::Session& session, const ScienceState& state, double sign)
{
    const std::optional<double> x = readDisplayValue(session.display);
    if (!x)
        return;
    const std::optional<float> tax = toSingle(*x * static_cast<double>(state.taxRate) / 100.0);
    if (!tax)
        return;
    const double total = *x + sign * static_cast<double>(*tax);
    if (!std::isfinite(total))
        return;
    writeDisplayValue(session.display, core::NumberToText(total));
    FinishKeyAction(session);
}

} // namespace

std::string SingleToText(float value)
{
    if (value == 0.0f)
        return "0";
    if (!std::isfinite(value))
        return core::NumberToText(static_cast<double>(value));
    std::string text;
    if (value < 0.0f) {
        text += '-';
        value = -value;
    }
    char scientific[32];
    auto conversion = std::to_chars(scientific, scientific + sizeof scientific, value,
                                    std::chars_format::scientific);
    const char* e = std::find(scientific, conversion.ptr, 'e');
    std::string digits;
    for (const char* p = scientific; p < e; ++p) {
        if (*p != '.')
            digits += *p;
    }
    if (digits.size() > kSingleDigits) {
        conversion = std::to_chars(scientific, scientific + sizeof scientific, value,
                                   std::chars_format::scientific, kSingleDigits - 1);
        e = std::find(scientific, conversion.ptr, 'e');
        digits.clear();
        for (const char* p = scientific; p < e; ++p) {
            if (*p != '.')
                digits += *p;
        }
    }
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), conversion.ptr, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    if (exponent < -4 || exponent >= kSingleDigits) {
        text += digits[0];
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits);
            text += '.';
            text += digits.substr(integerDigits);
        }
    }
    return text;
}

void MemoryTaxBar::pressMemoryBarKey()
{
    m_state = m_state == BarState::Memory ? BarState::Closed : BarState::Memory;
}

void MemoryTaxBar::pressTaxBarKey()
{
    m_state = m_state == BarState::Tax ? BarState::Closed : BarState::Tax;
}

bool MemoryTaxBar::press(MemoryTaxKey key, core::Session& session, ScienceState& state) const
{
    switch (key) {
    case MemoryTaxKey::MemoryClear:
    case MemoryTaxKey::MemoryAdd:
    case MemoryTaxKey::MemorySubtract:
    case MemoryTaxKey::MemoryRecall:
        if (!memoryKeysShown())
            return false;
        break;
    case MemoryTaxKey::TaxPlus:
    case MemoryTaxKey::TaxMinus:
    case MemoryTaxKey::TaxRate:
        if (!taxKeysShown())
            return false;
        break;
    }
    switch (key) {
    case MemoryTaxKey::MemoryClear:
        memoryClear(session, state);
        break;
    case MemoryTaxKey::MemoryAdd:
        memoryAdd(session, state);
        break;
    case MemoryTaxKey::MemorySubtract:
        memorySubtract(session, state);
        break;
    case MemoryTaxKey::MemoryRecall:
        memoryRecall(session, state);
        break;
    case MemoryTaxKey::TaxPlus:
        taxPlus(session, state);
        break;
    case MemoryTaxKey::TaxMinus:
        taxMinus(session, state);
        break;
    case MemoryTaxKey::TaxRate:
        state.operandStrip.OpenOperandStrip(OperandMode::TaxRate, state.taxRate);
        break;
    }
    return true;
}

void memoryClear(core::Session& session, ScienceState& state)
{
    state.memoryRegister = 0.0f;
    FinishKeyAction(session);
}

void memoryAdd(core::Session& session, ScienceState& state)
{
    changeMemory(session, state, 1.0);
}

void memorySubtract(core::Session& session, ScienceState& state)
{
    changeMemory(session, state, -1.0);
}

void memoryRecall(core::Session& session, const ScienceState& state)
{
    writeDisplayValue(session.display, SingleToText(state.memoryRegister));
    FinishKeyAction(session);
}

void taxPlus(core::Session& session, const ScienceState& state)
{
    applyTax(session, state, 1.0);
}

void taxMinus(core::Session& session, const ScienceState& state)
{
    applyTax(session, state, -1.0);
}

} // namespace nuvra::sci
