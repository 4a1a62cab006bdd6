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
    writeDisplayValue(session.display, core::SingleToText(state.memoryRegister));
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
