#pragma once

#include "core/display_settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::core {

struct Rgb {
    int red;
    int green;
    int blue;
};

inline constexpr Rgb kNormalColour{79, 168, 240};
inline constexpr Rgb kErrorColour{255, 128, 0};

// The font of the shown text, chosen by the length of the entry text.
struct FontStep {
    int points;
    int topTwips;
};

inline constexpr FontStep kLargeFont{20, 315};
inline constexpr FontStep kMediumFont{15, 380};
inline constexpr FontStep kSmallFont{10, 430};

// Up to 11 characters large, 12 to 17 medium, 18 to 26 small; longer entries keep the step.
std::optional<FontStep> fontStepForLength(std::size_t entryLength);

// The most characters a typed entry holds besides a leading "-". Every integer up to the
// largest double has at most 309 digits, and "0." with the 323 zeros before the first digit of
// the smallest double and then 17 digits (enough to tell any two doubles apart) is 342; longer
// entries say nothing more, and each key would re-read the whole entry.
inline constexpr std::size_t kMaxEntryLength = 400;

// Who changed the entry: the user typing it (digits, point, sign, backspace), or a result set
// into it. A typed entry keeps the digits after the point as typed; a result is printed with
// the entry pattern.
enum class EntryEdit { Typed, Result };

// The one number the calculator works on, as the entry text, the typing box and the shown text.
class DisplayValue {
public:
    DisplayValue();

    const std::string& entry() const { return m_entry; }
    const std::string& typingBox() const { return m_typingBox; }
    const std::string& shown() const { return m_shown; }

    void setEntry(std::string text, EntryEdit edit = EntryEdit::Result);
    void appendToEntry(std::string_view text) { setEntry(m_entry + std::string(text), EntryEdit::Typed); }
    void setShown(std::string text);

    // Whether a typed digit or point would take the entry past kMaxEntryLength.
    bool entryFull() const;

    // The typing box takes only digits and Backspace; its text is copied to the entry, cut to
    // kMaxEntryLength characters.
    bool typingBoxAccepts(char key) const;
    void setTypingBox(std::string text);

    DisplaySettings& settings() { return m_settings; }
    const DisplaySettings& settings() const { return m_settings; }

    bool dotJustTyped() const { return m_dotJustTyped; }
    void markDotJustTyped() { m_dotJustTyped = true; }
    bool entryHasFraction() const { return m_entryHasFraction; }
    bool undefinedShown() const { return m_undefinedShown; }
    void clearUndefinedShown() { m_undefinedShown = false; }

    FontStep font() const { return m_font; }
    bool shownInErrorColour() const { return m_errorColour; }
    Rgb shownColour() const { return m_errorColour ? kErrorColour : kNormalColour; }

    bool copyPasteStripOpen() const { return m_copyPasteStripOpen; }
    void openCopyPasteStrip() { m_copyPasteStripOpen = true; }
    void closeCopyPasteStrip() { m_copyPasteStripOpen = false; }

    // "e" or "" shows "error", "i"/"I" "infinity", "u"/"U" "undefined"; every code first puts
    // "0" into the entry.
    void ShowError(std::string_view code);
    // The usable-number test: false for every shown number and for "OVERFLOW".
    bool IsErrorShown() const;

private:
    void runPipeline(EntryEdit edit);

    DisplaySettings m_settings;
    std::string m_entry = "0";
    std::string m_typingBox = "0";
    std::string m_shown = "0";
    bool m_dotJustTyped = false;
    bool m_entryHasFraction = false;
    bool m_undefinedShown = false;
    bool m_errorColour = false;
    bool m_copyPasteStripOpen = false;
    FontStep m_font = kLargeFont;
};

} // namespace nuvra::core
