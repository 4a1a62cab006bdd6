#include "sci/key_action.h"

#include "core/display_value.h"
#include "core/number_text.h"
#include "core/session.h"

namespace nuvra::sci {

void FinishKeyAction(core::Session& session)
{
    session.engine.operandTaken = true;
    session.engine.clearOnDigit = true;
    session.feedback.playClick();
}

std::optional<double> readDisplayValue(const core::DisplayValue& display)
{
    return core::ReadWholeNumber(display.entry());
}

void writeDisplayValue(core::DisplayValue& display, const std::string& text)
{
    if (display.entry() != text)
        display.setEntry(text);
}

} // namespace nuvra::sci
