#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "core/session.h"
#include "frame/key_map.h"
#include "frame/rpn_panel.h"

#include <array>
#include <optional>
#include <ostream>
#include <string_view>
#include <utility>

namespace nuvra::cli {
namespace {

using frame::KeyCode;
using frame::KeyMap;
using frame::KeypadButton;

struct KeysOptions {
    bool rpn = false;
    bool json = false;
    bool grouping = false;
    core::DecimalsMode decimals = core::DecimalsMode::All;
};

// A key as a person presses it: key-down, the typed character when the key types one, key-up.
void pressKey(KeyMap& keys, KeyCode code, char typed, bool shift = false)
{
    if (shift)
        keys.KeyDown(KeyCode::Shift);
    keys.KeyDown(code, shift);
    if (typed != 0)
        keys.KeyPress(typed);
    keys.KeyUp();
}

// Runs one named key; returns false for an unknown name.
bool pressNamedKey(KeyMap& keys, std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, std::pair<KeyCode, char>>, 7> kKeys{{
        {"Enter", {KeyCode::Enter, '\r'}},
        {"Back", {KeyCode::Backspace, '\b'}},
        {"Del", {KeyCode::Delete, 0}},
        {"Esc", {KeyCode::Escape, 27}},
        {"C", {KeyCode::C, 'c'}},
        {"S", {KeyCode::S, 's'}},
        {"X", {KeyCode::X, 'x'}},
    }};
    for (const auto& [keyName, key] : kKeys) {
        if (name == keyName) {
            pressKey(keys, key.first, key.second);
            return true;
        }
    }
    if (name == "Swap" || name == "Roll" || name == "Drop") {
        const KeyCode code = name == "Swap" ? KeyCode::A : name == "Roll" ? KeyCode::Q : KeyCode::Z;
        pressKey(keys, code, static_cast<char>(code), true);
        return true;
    }
    if (name == "Sign") {
        keys.keypad(KeypadButton::Sign);
        return true;
    }
    if (name.size() == 2 && name[0] == 'k') {
        if (name[1] == '.') {
            keys.keypad(KeypadButton::Dot);
            return true;
        }
        if (name[1] >= '0' && name[1] <= '9') {
            keys.keypad(static_cast<KeypadButton>(static_cast<int>(KeypadButton::Digit0) +
                                                  (name[1] - '0')));
            return true;
        }
    }
    return false;
}

void printJson(std::ostream& out, const core::Session& session, int beeps)
{
    out << "{\"shown\":" << jsonString(session.display.shown())
        << ",\"entry\":" << jsonString(session.display.entry()) << ",\"stack\":[";
    const auto& items = session.stack.items();
    for (std::size_t i = 0; i < items.size(); ++i)
        out << (i ? "," : "") << jsonString(items[i]);
    out << "],\"history\":[";
    const auto& expressions = session.history.expressions();
    const auto& results = session.history.results();
    const std::size_t rows = std::max(expressions.size(), results.size());
    for (std::size_t i = 0; i < rows; ++i) {
        out << (i ? "," : "") << '['
            << (i < expressions.size() ? jsonString(expressions[i]) : "null") << ','
            << (i < results.size() ? jsonString(results[i]) : "null") << ']';
    }
    out << "],\"beeps\":" << beeps << "}\n";
}

bool runKeys(const KeysOptions& options, const std::string& keysText, std::ostream& out,
             std::ostream& err)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    frame::RpnPanel panel(session);
    KeyMap keys(session, panel);
    session.display.settings().decimalsMode = options.decimals;
    session.display.settings().digitGrouping = options.grouping;
    core::SetFormatPatterns(session.display.settings());
    if (options.rpn)
        panel.EnterRpnMode();

    for (std::size_t i = 0; i < keysText.size(); ++i) {
        if (keysText[i] == '{') {
            const std::size_t close = keysText.find('}', i);
            const std::string_view name =
                close == std::string::npos
                    ? std::string_view()
                    : std::string_view(keysText).substr(i + 1, close - i - 1);
            if (close == std::string::npos || !pressNamedKey(keys, name)) {
                err << "nuvra-cli keys: unknown key '" << keysText.substr(i) << "'\n";
                return false;
            }
            i = close;
            continue;
        }
        keys.KeyPress(keysText[i]);
        keys.KeyUp();
    }

    if (options.json)
        printJson(out, session, feedback.beeps());
    else
        out << session.display.shown() << '\n';
    return true;
}

} // namespace

int runKeysCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err)
{
    static constexpr std::string_view kUsage =
        "usage: nuvra-cli keys [--rpn] [--decimals 0|2|4|9] [--grouping] [--json] KEYS\n";
    KeysOptions options;
    std::optional<std::string> keysText;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--rpn") {
            options.rpn = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--grouping") {
            options.grouping = true;
        } else if (arg == "--decimals" && i + 1 < args.size()) {
            const std::optional<int> value = readIntegerArgument(args[++i]);
            if (value == 0)
                options.decimals = core::DecimalsMode::None;
            else if (value == 2)
                options.decimals = core::DecimalsMode::Two;
            else if (value == 4)
                options.decimals = core::DecimalsMode::Four;
            else if (value == 9)
                options.decimals = core::DecimalsMode::All;
            else {
                err << kUsage;
                return kUsageError;
            }
        } else if (!keysText && (arg.empty() || arg == "-" || arg.rfind("--", 0) != 0)) {
            keysText = arg;
        } else {
            err << kUsage;
            return kUsageError;
        }
    }
    if (!keysText) {
        err << kUsage;
        return kUsageError;
    }
    return runEachInput(*keysText, in, out, [&](const std::string& text) {
        return runKeys(options, text, out, err);
    });
}

} // namespace nuvra::cli
