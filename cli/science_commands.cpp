#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "core/number_text.h"
#include "cli/json_writer.h"
#include "core/feedback.h"
#include "core/session.h"
#include "eval/expression_evaluator.h"
#include "sci/key_action.h"
#include "sci/memory_tax.h"
#include "sci/science_state.h"
#include "sci/scientific_keys.h"
#include "sci/statistics_page.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>

namespace nuvra::cli {
namespace {

using core::AngularSystem;

std::optional<AngularSystem> angleFromName(std::string_view name)
{
    if (name == "deg")
        return AngularSystem::Degrees;
    if (name == "rad")
        return AngularSystem::Radians;
    if (name == "grad")
        return AngularSystem::Gradians;
    if (name == "turn")
        return AngularSystem::Turns;
    return std::nullopt;
}

void printHistory(std::ostream& out, const core::HistoryLists& history)
{
    const auto& expressions = history.expressions();
    const auto& results = history.results();
    const std::size_t rows = std::max(expressions.size(), results.size());
    out << '[';
    for (std::size_t i = 0; i < rows; ++i) {
        out << (i ? "," : "") << '['
            << (i < expressions.size() ? jsonString(expressions[i]) : "null") << ','
            << (i < results.size() ? jsonString(results[i]) : "null") << ']';
    }
    out << ']';
}

// The words of a command: options with their values, and the positional arguments.
struct Words {
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> positional;
};

// Options that take a value are listed in valued; every other known option is a flag. An
// unknown "--word" is taken as a positional argument (a formula may begin with "--").
Words splitWords(const std::vector<std::string>& args,
                 std::initializer_list<std::string_view> valued,
                 std::initializer_list<std::string_view> flags, bool& ok)
{
    Words words;
    ok = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isValued = std::find(valued.begin(), valued.end(), arg) != valued.end();
        const bool isFlag = std::find(flags.begin(), flags.end(), arg) != flags.end();
        if (isValued) {
            if (i + 1 >= args.size()) {
                ok = false;
                return words;
            }
            words.options.emplace_back(arg, args[++i]);
        } else if (isFlag) {
            words.options.emplace_back(arg, "");
        } else {
            words.positional.push_back(arg);
        }
    }
    return words;
}

// ---- eval ----------------------------------------------------------------------------------

struct EvalOptions {
    AngularSystem angle = AngularSystem::Degrees;
    std::string answer = "0";
    bool graph = false;
    bool json = false;
};

constexpr std::string_view kEvalUsage =
    "usage: nuvra-cli eval [--angle deg|rad|grad|turn] [--ans TEXT] [--graph] [--json] FORMULA\n";

int runEvalCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err)
{
    bool ok = true;
    const Words words = splitWords(args, {"--angle", "--ans"}, {"--graph", "--json"}, ok);
    EvalOptions options;
    for (const auto& [name, value] : words.options) {
        if (name == "--angle") {
            const auto angle = angleFromName(value);
            ok = ok && angle.has_value();
            options.angle = angle.value_or(AngularSystem::Degrees);
        } else if (name == "--ans") {
            options.answer = value;
        } else if (name == "--graph") {
            options.graph = true;
        } else if (name == "--json") {
            options.json = true;
        }
    }
    if (!ok || words.positional.size() != 1) {
        err << kEvalUsage;
        return kUsageError;
    }
    return runEachInput(words.positional[0], in, out, [&](const std::string& formula) {
        core::CountingFeedback feedback;
        core::Session session(feedback);
        session.angularSystem = options.angle;
        session.display.setEntry(options.answer);
        const std::string result = options.graph
                                       ? eval::EvaluateGraphExpression(formula, session.display)
                                       : eval::EvaluateExpression(formula, session);
        if (options.json) {
            out << "{\"result\":" << jsonString(result)
                << ",\"shown\":" << jsonString(session.display.shown())
                << ",\"entry\":" << jsonString(session.display.entry()) << "}\n";
        } else {
            out << result << '\n';
        }
        return true;
    });
}

// ---- sci -----------------------------------------------------------------------------------

constexpr std::string_view kSciUsage =
    "usage: nuvra-cli sci [--angle deg|rad|grad|turn] [--log-mode 1|2|3] [--finished] [--json] "
    "KEY DISPLAY\n";

int runSciCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err)
{
    bool ok = true;
    const Words words = splitWords(args, {"--angle", "--log-mode"}, {"--json", "--finished"}, ok);
    AngularSystem angle = AngularSystem::Degrees;
    sci::LogKeyMode logMode = sci::LogKeyMode::NaturalLog;
    bool json = false;
    bool finished = false;
    for (const auto& [name, value] : words.options) {
        if (name == "--angle") {
            const auto parsed = angleFromName(value);
            ok = ok && parsed.has_value();
            angle = parsed.value_or(AngularSystem::Degrees);
        } else if (name == "--log-mode") {
            const std::optional<int> mode = readIntegerArgument(value);
            if (mode == 1)
                logMode = sci::LogKeyMode::NaturalLog;
            else if (mode == 2)
                logMode = sci::LogKeyMode::Log10;
            else if (mode == 3)
                logMode = sci::LogKeyMode::AntiLog10;
            else
                ok = false;
        } else if (name == "--json") {
            json = true;
        } else if (name == "--finished") {
            finished = true;
        }
    }
    std::optional<sci::ScientificKey> key;
    if (ok && words.positional.size() == 2)
        key = sci::scientificKeyFromName(words.positional[0]);
    if (!key) {
        err << kSciUsage;
        return kUsageError;
    }
    return runEachInput(words.positional[1], in, out, [&](const std::string& display) {
        core::CountingFeedback feedback;
        core::Session session(feedback);
        sci::ScienceState state;
        state.logKeyMode = logMode;
        session.angularSystem = angle;
        session.display.setEntry(display);
        // The key would end silently and leave the text as if it were its result.
        if (sci::readsDisplayNumber(*key) && !sci::readDisplayValue(session.display)) {
            err << "nuvra-cli sci: the display '" << display << "' is no number\n";
            return false;
        }
        if (finished) {
            session.engine.operandTaken = true;
            session.engine.clearOnDigit = true;
        }
        sci::pressScientificKey(*key, session, state);
        if (json) {
            out << "{\"shown\":" << jsonString(session.display.shown())
                << ",\"entry\":" << jsonString(session.display.entry()) << ",\"history\":";
            printHistory(out, session.history);
            out << ",\"beeps\":" << feedback.beeps() << ",\"clicks\":" << feedback.clicks()
                << "}\n";
        } else {
            out << session.display.shown() << '\n';
        }
        return true;
    });
}

// ---- stats ---------------------------------------------------------------------------------

constexpr std::string_view kStatsUsage =
    "usage: nuvra-cli stats [--json] sumx|sigmax2|mean|meanx2|sump|sumn|high|low VALUES...\n";

std::optional<sci::StatisticsSummary> summaryFromName(std::string_view name)
{
    using sci::StatisticsSummary;
    static constexpr std::array<std::pair<std::string_view, StatisticsSummary>, 8> kNames{{
        {"sumx", StatisticsSummary::SumX},
        {"sigmax2", StatisticsSummary::SigmaX2},
        {"mean", StatisticsSummary::Mean},
        {"meanx2", StatisticsSummary::MeanX2},
        {"sump", StatisticsSummary::SumPositive},
        {"sumn", StatisticsSummary::SumNegative},
        {"high", StatisticsSummary::High},
        {"low", StatisticsSummary::Low},
    }};
    for (const auto& [summaryName, summary] : kNames) {
        if (name == summaryName)
            return summary;
    }
    return std::nullopt;
}

// Returns false, with a message on err, for a value that the page refuses as no number.
bool runStatistics(sci::StatisticsSummary summary, const std::vector<std::string>& values,
                   bool json, std::ostream& out, std::ostream& err)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    sci::ScienceState state;
    sci::StatisticsPage page(session, state);
    for (const std::string& value : values) {
        session.display.setEntry(value);
        const std::size_t count = page.items().size();
        page.insert();
        if (page.items().size() == count) {
            err << "nuvra-cli stats: the value '" << value << "' is no number\n";
            return false;
        }
    }
    page.summarise(summary);
    if (!json) {
        out << page.resultText() << '\n';
        return true;
    }
    out << "{\"result\":" << jsonString(page.resultText())
        << ",\"count\":" << jsonString(page.countText()) << ",\"items\":[";
    for (std::size_t i = 0; i < page.items().size(); ++i)
        out << (i ? "," : "") << jsonString(page.items()[i]);
    out << "],\"beeps\":" << feedback.beeps() << "}\n";
    return true;
}

int runStatsCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err)
{
    bool ok = true;
    const Words words = splitWords(args, {}, {"--json"}, ok);
    const bool json = !words.options.empty();
    std::optional<sci::StatisticsSummary> summary;
    if (!words.positional.empty())
        summary = summaryFromName(words.positional[0]);
    if (!summary) {
        err << kStatsUsage;
        return kUsageError;
    }
    std::vector<std::string> values(words.positional.begin() + 1, words.positional.end());
    if (values.size() == 1 && values[0] == "-") {
        // One list per line, the values separated by blanks.
        return runEachInput("-", in, out, [&](const std::string& line) {
            std::istringstream words(line);
            std::vector<std::string> lineValues;
            for (std::string value; words >> value;)
                lineValues.push_back(value);
            return runStatistics(*summary, lineValues, json, out, err);
        });
    }
    return runStatistics(*summary, values, json, out, err) ? 0 : kUsageError;
}

// ---- strip ---------------------------------------------------------------------------------

constexpr std::string_view kStripUsage =
    "usage: nuvra-cli strip [--paste] [--json] power|root|percent|tax X N\n";

std::optional<sci::OperandMode> modeFromName(std::string_view name)
{
    if (name == "power")
        return sci::OperandMode::Power;
    if (name == "root")
        return sci::OperandMode::Root;
    if (name == "percent")
        return sci::OperandMode::Percent;
    if (name == "tax")
        return sci::OperandMode::TaxRate;
    return std::nullopt;
}

std::string_view stateName(sci::StripState state)
{
    switch (state) {
    case sci::StripState::Closed:
        return "closed";
    case sci::StripState::Waiting:
        return "waiting";
    case sci::StripState::Invalid:
        return "invalid";
    case sci::StripState::Result:
        return "result";
    }
    return "";
}

int runStripCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err)
{
    bool ok = true;
    const Words words = splitWords(args, {}, {"--paste", "--json"}, ok);
    bool paste = false;
    bool json = false;
    for (const auto& option : words.options) {
        paste = paste || option.first == "--paste";
        json = json || option.first == "--json";
    }
    std::optional<sci::OperandMode> mode;
    if (words.positional.size() == 3)
        mode = modeFromName(words.positional[0]);
    if (!mode) {
        err << kStripUsage;
        return kUsageError;
    }
    const std::string& x = words.positional[1];
    return runEachInput(words.positional[2], in, out, [&](const std::string& n) {
        core::CountingFeedback feedback;
        core::Session session(feedback);
        sci::ScienceState state;
        session.display.setEntry(x);
        sci::OperandStrip& strip = state.operandStrip;
        strip.OpenOperandStrip(*mode, state.taxRate);
        if (paste) {
            strip.pasteText(n);
        } else {
            for (char c : n)
                strip.typeKey(c);
        }
        strip.ApplyOperand(session, state.taxRate, sci::ApplyTrigger::EnterKey, false);
        const sci::StripState stripState = strip.state();
        if (json) {
            out << "{\"state\":" << jsonString(stateName(stripState))
                << ",\"entry\":" << jsonString(session.display.entry())
                << ",\"taxRate\":" << jsonString(core::SingleToText(state.taxRate))
                << ",\"history\":";
            printHistory(out, session.history);
            out << ",\"clicks\":" << feedback.clicks() << "}\n";
        } else if (stripState != sci::StripState::Result) {
            out << stateName(stripState) << '\n';
        } else if (*mode == sci::OperandMode::TaxRate) {
            out << core::SingleToText(state.taxRate) << '\n';
        } else {
            out << session.display.entry() << '\n';
        }
        return true;
    });
}

} // namespace

std::vector<CommandEntry> scienceCommands()
{
    return {
        {"eval", runEvalCommand,
         "  eval [--angle deg|rad|grad|turn] [--ans TEXT] [--graph] [--json] FORMULA\n"
         "                              the evaluator's result text for FORMULA\n"},
        {"sci", runSciCommand,
         "  sci [--angle A] [--log-mode 1|2|3] [--finished] [--json] KEY DISPLAY\n"
         "                              the display after one scientific key\n"},
        {"stats", runStatsCommand,
         "  stats [--json] SUMMARY VALUES...\n"
         "                              a statistics summary of the inserted values\n"},
        {"strip", runStripCommand,
         "  strip [--paste] [--json] power|root|percent|tax X N\n"
         "                              the entry after the operand strip (or its state)\n"},
    };
}

} // namespace nuvra::cli
