#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "core/number_text.h"
#include "tools/calendar/calendar_model.h"
#include "tools/calendar/civil_date.h"
#include "tools/constants/constants_table.h"
#include "tools/converter/unit_converter.h"
#include "tools/financial/financial_math.h"
#include "tools/fraction/fraction_finder.h"
#include "tools/mortgage/currency_format.h"
#include "tools/mortgage/mortgage_schedule.h"
#include "tools/wordify/wordify.h"

#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <string_view>

namespace nuvra::cli {
namespace {

using Words = std::vector<std::string>;

// The shared batch rule for commands of several arguments: given "-" as the last argument, each
// line of standard input supplies the rest, as one whole argument (wholeLine) or as the words
// of the line. The handler gets the complete argument list.
int runWithArguments(const Words& args, bool wholeLine, std::istream& in, std::ostream& out,
                     const std::function<bool(const Words&)>& handle)
{
    if (args.empty())
        return handle(args) ? 0 : kUsageError;
    const Words prefix(args.begin(), args.end() - 1);
    const bool batch = args.back() == "-";
    return runEachInput(args.back(), in, out, [&](const std::string& input) {
        Words full = prefix;
        if (batch && !wholeLine) {
            std::istringstream words(input);
            std::string word;
            while (words >> word)
                full.push_back(word);
        } else {
            full.push_back(input);
        }
        return handle(full);
    });
}

std::string joined(std::span<const std::string_view> names)
{
    std::string out;
    for (std::string_view name : names) {
        if (!out.empty())
            out += ", ";
        out += name;
    }
    return out;
}

// convert ------------------------------------------------------------------------------------

constexpr std::string_view kConvertUsage =
    "usage: nuvra-cli convert [--decimal-separator C] [--json] CATEGORY FROM TO VALUE\n";

int runConvertCommand(const Words& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    tools::converter::ConverterLocale locale;
    bool json = false;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--decimal-separator" && i + 1 < args.size()) {
            locale.decimalSeparator = args[++i];
        } else {
            err << kConvertUsage;
            return kUsageError;
        }
    }
    const Words positional(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (positional.size() != 4) {
        err << kConvertUsage;
        return kUsageError;
    }
    return runWithArguments(positional, true, in, out, [&](const Words& words) {
        using namespace tools::converter;
        const auto category = categoryByName(words[0]);
        if (!category) {
            std::string names;
            for (Category c : kCategories) {
                if (!names.empty())
                    names += ", ";
                names += categoryName(c);
            }
            err << "nuvra-cli convert: unknown category '" << words[0] << "' (" << names << ")\n";
            return false;
        }
        for (const std::string& unit : {words[1], words[2]}) {
            if (!unitIndex(*category, unit)) {
                err << "nuvra-cli convert: unknown unit '" << unit << "' in " << words[0] << " ("
                    << joined(unitNames(*category)) << ")\n";
                return false;
            }
        }
        UnitConverter converter(locale);
        (void)converter.setInputUnit(*category, words[1]);
        (void)converter.setOutputUnit(*category, words[2]);
        const int beeps = converter.setInputText(*category, words[3]);
        const ConverterPage& page = converter.page(*category);
        if (json) {
            out << "{\"input\":" << jsonString(page.inputText)
                << ",\"output\":" << jsonString(page.outputText)
                << ",\"beep\":" << (beeps > 0 ? "true" : "false") << "}\n";
        } else {
            out << page.outputText << '\n';
        }
        return true;
    });
}

// finance ------------------------------------------------------------------------------------

constexpr std::string_view kFinanceUsage =
    "usage: nuvra-cli finance simple P R Y M D | compound P R Y M D F | loan P R Y M D\n";

int runFinanceCommand(const Words& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.empty() || (args[0] != "simple" && args[0] != "compound" && args[0] != "loan")) {
        err << kFinanceUsage;
        return kUsageError;
    }
    const std::string kind = args[0];
    const std::size_t count = kind == "compound" ? 6 : 5;
    const Words rest(args.begin() + 1, args.end());
    if (rest.empty() || (rest.back() != "-" && rest.size() != count) || rest.size() > count) {
        err << kFinanceUsage;
        return kUsageError;
    }
    return runWithArguments(rest, false, in, out, [&](const Words& words) {
        using namespace tools::financial;
        if (words.size() != count) {
            err << kFinanceUsage;
            return false;
        }
        // Each field is read by its leading number, as the toolbox reads its fields.
        double v[5];
        for (std::size_t k = 0; k < 5; ++k)
            v[k] = core::ReadLeadingNumber(words[k]);
        if (kind == "loan") {
            const auto loan = LoanPayment(v[0], v[1], v[2], v[3], v[4]);
            if (loan)
                out << loan->monthlyPayment << '\t' << loan->totalPayment << '\t'
                    << loan->totalInterest << '\n';
            else
                out << "error\n";
            return true;
        }
        core::Result<InterestResult, FinanceError> result =
            core::unexpected(FinanceError::ZeroInput);
        if (kind == "simple") {
            result = SimpleInterest(v[0], v[1], v[2], v[3], v[4]);
        } else {
            const auto frequency = readIntegerArgument(words[5]);
            if (!frequency || *frequency < 0 || *frequency > 2) {
                err << "nuvra-cli finance: the frequency F is 0 (annually), 1 (half-yearly) or 2 "
                       "(quarterly)\n";
                return false;
            }
            result =
                CompoundInterest(v[0], v[1], v[2], v[3], v[4], static_cast<Frequency>(*frequency));
        }
        if (result)
            out << result->interest << '\t' << result->total << '\n';
        else
            out << "error\n";
        return true;
    });
}

// mortgage -----------------------------------------------------------------------------------

constexpr std::string_view kMortgageUsage =
    "usage: nuvra-cli mortgage [--locale NAME] [--csv] PRINCIPAL MONTHS RATE YYYY-MM-DD\n";

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string_view scheduleErrorText(tools::mortgage::ScheduleError error)
{
    using tools::mortgage::ScheduleError;
    switch (error) {
    case ScheduleError::NothingToPlot:
        return "the table couldn't be plotted: the principal, the month count or the rate is 0";
    case ScheduleError::InvalidMonths:
        return "the month count must lie between 1 and 32767";
    case ScheduleError::InvalidDate:
        return "the start date names no real day";
    case ScheduleError::OutOfRange:
        return "an amount lies beyond the currency range";
    }
    return "";
}

int runMortgageCommand(const Words& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    std::string localeName = "en_US";
    bool csv = false;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--csv") {
            csv = true;
        } else if (args[i] == "--locale" && i + 1 < args.size()) {
            localeName = args[++i];
        } else {
            err << kMortgageUsage;
            return kUsageError;
        }
    }
    const auto format = tools::mortgage::LocaleCurrencyFormat::forLocale(localeName);
    if (!format) {
        err << "nuvra-cli mortgage: unknown locale '" << localeName << "' ("
            << tools::mortgage::LocaleCurrencyFormat::knownLocales() << ")\n";
        return kUsageError;
    }
    const Words positional(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (positional.empty() || positional.size() > 4 ||
        (positional.size() < 4 && positional.back() != "-")) {
        err << kMortgageUsage;
        return kUsageError;
    }
    const bool batch = positional.back() == "-";
    const tools::mortgage::CurrencyFormatter formatter =
        [&format](tools::mortgage::Currency amount) { return format->text(amount); };
    return runWithArguments(positional, false, in, out, [&](const Words& words) {
        if (words.size() != 4) {
            err << kMortgageUsage;
            return false;
        }
        const auto start = tools::calendar::parseIsoDate(words[3]);
        if (!start) {
            err << "nuvra-cli mortgage: invalid date '" << words[3]
                << "' (YYYY-MM-DD, a real day in the years 1 to 9999)\n";
            return false;
        }
        const auto schedule = tools::mortgage::BuildSchedule(
            tools::mortgage::LoanDetails{words[0], words[1], words[2]}, *start, formatter);
        if (!schedule) {
            err << "nuvra-cli mortgage: " << scheduleErrorText(schedule.error()) << '\n';
            out << "error\n";
        } else {
            for (const auto& row : *schedule) {
                for (std::size_t c = 0; c < row.cells.size(); ++c) {
                    if (c > 0)
                        out << (csv ? ',' : '\t');
                    out << (csv ? csvField(row.cells[c]) : row.cells[c]);
                }
                out << '\n';
            }
        }
        if (batch)
            out << '\n';
        return true;
    });
}

// calendar -----------------------------------------------------------------------------------

constexpr std::string_view kCalendarUsage =
    "usage: nuvra-cli calendar [--first-day 1-7] YEAR MONTH\n";

int runCalendarCommand(const Words& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    int firstDay = 1;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        const auto value = args[i] == "--first-day" && i + 1 < args.size()
                               ? readIntegerArgument(args[i + 1])
                               : std::nullopt;
        if (!value || *value < 1 || *value > 7) {
            err << kCalendarUsage;
            return kUsageError;
        }
        firstDay = *value;
        ++i;
    }
    const Words positional(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (positional.empty() || positional.size() > 2 ||
        (positional.size() < 2 && positional.back() != "-")) {
        err << kCalendarUsage;
        return kUsageError;
    }
    const bool batch = positional.back() == "-";
    return runWithArguments(positional, false, in, out, [&](const Words& words) {
        const auto year = words.size() == 2 ? readIntegerArgument(words[0]) : std::nullopt;
        const auto month = words.size() == 2 ? readIntegerArgument(words[1]) : std::nullopt;
        if (!year || !month || *year < tools::calendar::kFirstYear ||
            *year > tools::calendar::kLastYear || *month < 1 || *month > 12) {
            err << "nuvra-cli calendar: YEAR is 1 to 9999 and MONTH 1 to 12\n";
            return false;
        }
        const auto dates = tools::calendar::monthCellDates(*year, *month, firstDay);
        for (std::size_t row = 0; row < 6; ++row) {
            for (std::size_t column = 0; column < 7; ++column)
                out << (column ? " " : "") << tools::calendar::isoText(dates[row * 7 + column]);
            out << '\n';
        }
        if (batch)
            out << '\n';
        return true;
    });
}

// words, fraction, constant -------------------------------------------------------------------

int runWordsCommand(const Words& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: nuvra-cli words TEXT\n";
        return kUsageError;
    }
    return runEachInput(args[0], in, out, [&out](const std::string& text) {
        out << tools::wordify::WordifyDisplay(text).text << '\n';
        return true;
    });
}

int runFractionCommand(const Words& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: nuvra-cli fraction TEXT\n";
        return kUsageError;
    }
    return runEachInput(args[0], in, out, [&out](const std::string& text) {
        const auto texts = tools::fraction::ShowFraction(text);
        out << texts.numerator << (texts.denominator.empty() ? "" : "/") << texts.denominator
            << '\n';
        return true;
    });
}

int runConstantCommand(const Words& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: nuvra-cli constant N\n";
        return kUsageError;
    }
    return runEachInput(args[0], in, out, [&](const std::string& text) {
        const auto number = readIntegerArgument(text);
        const auto constant = number ? tools::constants::constantAt(*number) : std::nullopt;
        if (!constant) {
            err << "nuvra-cli constant: N is a whole number from 0 to 41\n";
            return false;
        }
        out << constant->entryText << '\n';
        return true;
    });
}

} // namespace

std::vector<CommandEntry> toolCommands()
{
    return {
        {"convert", runConvertCommand,
         "  convert [--decimal-separator C] [--json] CATEGORY FROM TO VALUE\n"
         "                              the unit converter's output for VALUE\n"},
        {"finance", runFinanceCommand,
         "  finance simple P R Y M D | compound P R Y M D F | loan P R Y M D\n"
         "                              interest and total, or payment, total and interest\n"},
        {"mortgage", runMortgageCommand,
         "  mortgage [--locale NAME] [--csv] PRINCIPAL MONTHS RATE YYYY-MM-DD\n"
         "                              the amortisation schedule, one row per line\n"},
        {"calendar", runCalendarCommand,
         "  calendar [--first-day 1-7] YEAR MONTH\n"
         "                              the 42 day cells of a month, six lines of seven\n"},
        {"words", runWordsCommand, "  words TEXT                  the Wordify text of a display\n"},
        {"fraction", runFractionCommand,
         "  fraction TEXT               the fraction of a display, n/d or the value\n"},
        {"constant", runConstantCommand,
         "  constant N                  the entry text of constant N (0 to 41)\n"},
    };
}

} // namespace nuvra::cli
