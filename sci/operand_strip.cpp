#include "sci/operand_strip.h"

#include "core/number_text.h"
#include "core/session.h"
#include "sci/key_action.h"
#include "sci/memory_tax.h"

#include <cmath>
#include <limits>

namespace nuvra::sci {

OperandModeTexts operandModeTexts(OperandMode mode)
{
    switch (mode) {
    case OperandMode::Power:
        return {"In (x) ^ n { 'x' raise to 'n' },", "n :"};
    case OperandMode::Root:
        return {"In the 'n'th root of 'x',      ", "n :"};
    case OperandMode::Percent:
        return {"'n' Percent of 'x', where x = the current value in the calculator.", "n :"};
    case OperandMode::TaxRate:
        return {"Please enter the Tax % .", "% :"};
    }
    return {};
}

void OperandStrip::OpenOperandStrip(OperandMode mode, float taxRate)
{
    m_view.windowShown = true;
    m_entryText = mode == OperandMode::TaxRate ? core::SingleToText(taxRate) : std::string();
    m_view.panel = mode;
    m_view.doneShown = false;
    m_view.errorShown = false;
    m_view.awaitShown = true;
    m_view.continueShown = true;
    // Opened from a delivered result, the help panel comes back as in every waiting strip.
    m_view.helpPanelShown = true;
    m_view.entryShown = true;
    m_view.entrySelected = mode == OperandMode::TaxRate;
    m_view.focus = StripFocus::Entry;
}

void OperandStrip::ResetOperandStrip(bool butlerCommandChecked)
{
    m_view.helpPanelShown = true;
    m_view.errorShown = false;
    m_view.doneShown = false;
    m_view.continueShown = false;
    m_view.awaitShown = false;
    m_view.entryShown = false;
    m_view.entrySelected = false;
    m_entryText.clear();
    m_view.panel.reset();
    if (!butlerCommandChecked)
        m_view.windowShown = false;
}

void OperandStrip::pressEnterOnContinue(bool butlerCommandChecked)
{
    if (m_view.doneShown)
        ResetOperandStrip(butlerCommandChecked);
}

bool OperandStrip::acceptsKey(char key)
{
    return (key >= '0' && key <= '9') || key == '\b';
}

void OperandStrip::typeKey(char key)
{
    if (!acceptsKey(key) || !m_view.entryShown)
        return;
    if (m_view.entrySelected) {
        m_entryText.clear();
        m_view.entrySelected = false;
        if (key == '\b')
            return;
    }
    if (key == '\b') {
        if (!m_entryText.empty())
            m_entryText.pop_back();
        return;
    }
    m_entryText += key;
}

void OperandStrip::pasteText(std::string_view text)
{
    if (!m_view.entryShown)
        return;
    m_entryText = std::string(text);
    m_view.entrySelected = false;
}

StripState OperandStrip::state() const
{
    if (m_view.doneShown)
        return StripState::Result;
    if (m_view.errorShown)
        return StripState::Invalid;
    if (m_view.panel)
        return StripState::Waiting;
    return StripState::Closed;
}

OperandStrip::Failure OperandStrip::applyMode(core::Session& session, float& taxRate,
                                              OperandMode mode, double x, double n)
{
    double result = 0.0;
    std::string expression;
    const std::string xText = core::NumberToText(x);
    switch (mode) {
    case OperandMode::TaxRate: {
        const double rate = core::ReadLeadingNumber(m_entryText);
        if (!std::isfinite(rate) || std::fabs(rate) > std::numeric_limits<float>::max())
            return Failure::Overflow;
        taxRate = static_cast<float>(rate);
        return Failure::None;
    }
    case OperandMode::Power:
        result = std::pow(x, n);
        expression = xText + " ^ " + m_entryText;
        break;
    case OperandMode::Root:
        if (n == 0.0)
            return Failure::Other;
        result = std::pow(x, 1.0 / n);
        expression = m_entryText + " root" + xText;
        break;
    case OperandMode::Percent:
        result = x * n / 100.0;
        expression = m_entryText + "% (" + xText + " )";
        break;
    }
    // A negative x with a fractional exponent has no value, and 0 to a negative power is a
    // division by zero: both leave the strip as it is. Any other infinity is an overflow.
    if (std::isnan(result) || (std::isinf(result) && x == 0.0))
        return Failure::Other;
    if (std::isinf(result))
        return Failure::Overflow;
    const std::string text = core::NumberToText(result);
    session.display.setEntry(text);
    session.history.appendExpression(expression);
    session.history.appendResult(text);
    return Failure::None;
}

void OperandStrip::ApplyOperand(core::Session& session, float& taxRate, ApplyTrigger trigger,
                                bool butlerCommandChecked)
{
    const bool byButton = trigger == ApplyTrigger::ContinueButton;
    auto finish = [&] {
        session.feedback.playClick();
        if (!byButton)
            m_view.focus = StripFocus::ContinueButton;
    };
    if (byButton && m_view.errorShown) {
        ResetOperandStrip(butlerCommandChecked);
        finish();
        return;
    }
    const StripView before = m_view;
    m_view.awaitShown = false;

    const std::optional<double> n = core::ReadPastedNumber(m_entryText);
    const std::optional<OperandMode> mode = m_view.panel;
    // x matters in every mode but the tax rate; an entry that is not one number (an empty
    // entry after an operator key, a fraction text) is refused like an invalid n.
    const std::optional<double> x = mode == OperandMode::TaxRate
                                        ? std::optional<double>(0.0)
                                        : readDisplayValue(session.display);
    if (!n || !x || !mode) {
        if (m_view.doneShown)
            ResetOperandStrip(butlerCommandChecked);
        else
            m_view.errorShown = true;
        finish();
        return;
    }

    const Failure failure = applyMode(session, taxRate, *mode, *x, *n);
    if (failure == Failure::Other) {
        m_view = before;
        return;
    }
    if (failure == Failure::Overflow) {
        m_view.errorShown = true;
        if (byButton) {
            m_view.entryShown = false;
            m_entryText.clear();
        }
        return;
    }
    m_view.panel.reset();
    m_view.doneShown = true;
    m_view.entryShown = false;
    m_view.entrySelected = false;
    m_entryText.clear();
    m_view.helpPanelShown = false;
    finish();
}

} // namespace nuvra::sci
