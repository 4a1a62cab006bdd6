#include "core/display_value.h"

#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace nuvra::core {
namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A text the user is typing: an optional "-", digits, at most one "." and no more decimals
// than the mode keeps.
// The entry bound does not count a leading "-".
std::size_t signLength(std::string_view text)
{
    return !text.empty() && text[0] == '-' ? 1 : 0;
}

bool isTypedNumber(std::string_view text, int places)
{
    std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    int decimals = -1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            if (decimals >= 0)
                return false;
            decimals = 0;
        } else if (c >= '0' && c <= '9') {
            if (decimals >= 0)
                ++decimals;
        } else {
            return false;
        }
    }
    return decimals <= places;
}

} // namespace

std::optional<FontStep> fontStepForLength(std::size_t entryLength)
{
    if (entryLength <= 11)
        return kLargeFont;
    if (entryLength <= 17)
        return kMediumFont;
    if (entryLength <= 26)
        return kSmallFont;
    return std::nullopt;
}

DisplayValue::DisplayValue() = default;

void DisplayValue::setEntry(std::string text, EntryEdit edit)
{
    m_entry = std::move(text);
    runPipeline(edit);
}

void DisplayValue::setShown(std::string text)
{
    if (text == m_shown)
        return;
    m_shown = std::move(text);
    static constexpr std::array<std::string_view, 4> kErrorWords{"infinity", "error", "undefined",
                                                                 "OVERFLOW"};
    m_errorColour = std::any_of(kErrorWords.begin(), kErrorWords.end(),
                                [this](std::string_view word) { return equalsIgnoringCase(m_shown, word); });
    m_copyPasteStripOpen = false;
}

bool DisplayValue::entryFull() const
{
    return m_entry.size() >= kMaxEntryLength + signLength(m_entry);
}

bool DisplayValue::typingBoxAccepts(char key) const
{
    return (key >= '0' && key <= '9') || key == '\b';
}

void DisplayValue::setTypingBox(std::string text)
{
    if (text.size() > kMaxEntryLength + signLength(text))
        text.resize(kMaxEntryLength + signLength(text));
    if (text == m_typingBox)
        return;
    setEntry(std::move(text), EntryEdit::Typed);
}

// The entry change pipeline. Its own rewrites of the entry (the pattern and the stripped
// leading zero) run it once more at most; a trailing point just typed survives both passes.
void DisplayValue::runPipeline(EntryEdit edit)
{
    const bool keepTrailingPoint = m_dotJustTyped;
    m_dotJustTyped = false;
    const int places = decimalPlaces(m_settings.decimalsMode);
    for (int pass = 0; pass < 2; ++pass) {
        m_typingBox = m_entry;
        if (places >= 0) {
            const double value = ReadLeadingNumber(m_entry);
            const bool wasEmpty = m_entry.empty();
            std::string shown;
            if ((edit == EntryEdit::Typed && isTypedNumber(m_entry, places)) ||
                !std::isfinite(value)) {
                // A text beyond the double's range has no form under the pattern: it stays
                // as it stands instead of becoming the word "infinity" to be typed on.
                shown = m_settings.digitGrouping ? GroupThousands(m_entry) : m_entry;
            } else {
                m_entry = FormatWithPattern(value, m_settings.entryPattern);
                shown = FormatWithPattern(value, m_settings.shownPattern);
            }
            if (!keepTrailingPoint && !m_entry.empty() && m_entry.back() == '.') {
                m_entry.pop_back();
                if (!shown.empty() && shown.back() == '.')
                    shown.pop_back();
            }
            // Zero prints as nothing under a pattern; a number is never shown as a blank.
            if (!wasEmpty && m_entry.empty()) {
                m_entry.assign(1, '0');
                shown.assign(1, '0');
            }
            m_typingBox = m_entry;
            setShown(std::move(shown));
        } else {
            setShown(m_entry);
        }
        if (auto step = fontStepForLength(m_entry.size()))
            m_font = *step;
        if (pass == 0 && m_entry.size() > 1 && m_entry[0] == '0') {
            m_entry.erase(0, 1);
            continue;
        }
        break;
    }
    const double value = ReadLeadingNumber(m_entry);
    m_entryHasFraction = std::isfinite(value) && value != std::floor(value);
}

void DisplayValue::ShowError(std::string_view code)
{
    setEntry("0");
    if (code == "I" || code == "i") {
        setShown("infinity");
    } else if (code == "e" || code.empty()) {
        setShown("error");
    } else if (code == "U" || code == "u") {
        setShown("undefined");
        m_undefinedShown = true;
    }
}

bool DisplayValue::IsErrorShown() const
{
    return equalsIgnoringCase(m_shown, "undefined") || equalsIgnoringCase(m_shown, "infinity") ||
           equalsIgnoringCase(m_shown, "error");
}

} // namespace nuvra::core
