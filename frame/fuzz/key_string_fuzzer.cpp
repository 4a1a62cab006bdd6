#include "cmake/fuzz_property.h"
#include "core/display_settings.h"
#include "core/feedback.h"
#include "core/session.h"
#include "frame/key_map.h"
#include "frame/key_string.h"
#include "frame/rpn_panel.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace nuvra;

using fuzz::require;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The error words of the display value.
bool isErrorWord(std::string_view text)
{
    return text == "error" || text == "infinity" || text == "undefined" || text == "OVERFLOW";
}

// A number as the display shows it, also half typed ("", "-", "12."): an optional "-", the
// integer digits (grouped by thousands only when grouping is on), an optional point with at
// most `places` decimals, and in the unpatterned mode (places < 0) the exponent of a number
// text ("1.5E+20"). Backspace and the keypad's point (and in RPN its digits) edit a result's
// text as it stands, so the exponent may be cut short ("1E+", "1E"), run on ("1E+151") or be
// followed by the one point ("1E+15.5").
bool isDisplayNumber(std::string_view text, bool grouping, int places)
{
    std::size_t i = text.starts_with('-') ? 1 : 0;
    std::size_t digits = 0;
    std::size_t groupDigits = 0;
    bool grouped = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == ','); ++i) {
        if (text[i] == ',') {
            if (!grouping || groupDigits == 0 || (grouped ? groupDigits != 3 : groupDigits > 3))
                return false;
            grouped = true;
            groupDigits = 0;
            continue;
        }
        ++digits;
        ++groupDigits;
    }
    if (grouped && groupDigits != 3)
        return false;
    const bool point = i < text.size() && text[i] == '.';
    if (point) {
        int decimals = 0;
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            ++decimals;
            ++digits;
        }
        if (places >= 0 && decimals > places)
            return false;
    }
    if (i < text.size() && text[i] == 'E') {
        if (places >= 0 || digits == 0)
            return false;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (!point && i < text.size() && text[i] == '.') {
            ++i;
            while (i < text.size() && isDigit(text[i]))
                ++i;
        }
    }
    return i == text.size();
}

struct Calculator {
    Calculator(bool rpn, core::DecimalsMode decimals, bool grouping)
        : session(feedback), panel(session), keys(session, panel)
    {
        session.display.settings().decimalsMode = decimals;
        session.display.settings().digitGrouping = grouping;
        core::SetFormatPatterns(session.display.settings());
        if (rpn)
            panel.EnterRpnMode();
    }

    void requireValidDisplay() const
    {
        const core::DisplayValue& display = session.display;
        const bool grouping = display.settings().digitGrouping;
        const int places = core::decimalPlaces(display.settings().decimalsMode);
        require(isErrorWord(display.shown()) || isDisplayNumber(display.shown(), grouping, places),
                "the shown text is a number or an error word");
        require(isErrorWord(display.entry()) || isDisplayNumber(display.entry(), false, places),
                "the entry is a number or an error word");
    }

    core::CountingFeedback feedback;
    core::Session session;
    frame::RpnPanel panel;
    frame::KeyMap keys;
};

// Types the keys one at a time, checking the display after each, until an unknown name; then
// types the whole string into a second calculator, which must end in the same state and
// refuse the same name.
void typeAndCheck(std::string_view keysText, bool rpn, core::DecimalsMode decimals, bool grouping)
{
    Calculator stepwise(rpn, decimals, grouping);
    std::size_t stop = keysText.size();
    for (std::size_t i = 0; i < keysText.size();) {
        std::size_t length = 1;
        if (keysText[i] == '{') {
            const std::size_t close = keysText.find('}', i);
            length = close == std::string_view::npos ? keysText.size() - i : close - i + 1;
        }
        if (!frame::typeKeyString(stepwise.keys, keysText.substr(i, length))) {
            stop = i;
            break;
        }
        stepwise.requireValidDisplay();
        i += length;
    }

    Calculator whole(rpn, decimals, grouping);
    const auto typed = frame::typeKeyString(whole.keys, keysText);
    require(typed ? stop == keysText.size() : typed.error().position == stop,
            "the whole string stops at the same unknown name");
    require(whole.session.display.shown() == stepwise.session.display.shown() &&
                whole.session.display.entry() == stepwise.session.display.entry() &&
                whole.session.stack.items() == stepwise.session.stack.items(),
            "typing the whole string ends like typing it key by key");
}

} // namespace

// The bytes are a key string as `nuvra-cli keys` takes it, typed in algebraic and in RPN mode:
// once with every decimal and no grouping, once with the decimals and grouping that the
// string's length picks, so that every corpus file also meets a patterned display.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view keysText(reinterpret_cast<const char*>(data), size);
    static constexpr core::DecimalsMode kDecimals[] = {
        core::DecimalsMode::Two, core::DecimalsMode::None, core::DecimalsMode::Four,
        core::DecimalsMode::All};
    const core::DecimalsMode decimals = kDecimals[size % 4];
    const bool grouping = size / 4 % 2 == 0;
    for (const bool rpn : {false, true}) {
        typeAndCheck(keysText, rpn, core::DecimalsMode::All, false);
        typeAndCheck(keysText, rpn, decimals, grouping);
    }
    return 0;
}
