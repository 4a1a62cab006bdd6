#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::core {
struct Session;
}

namespace nuvra::tools::constants {

inline constexpr int kConstantCount = 42;

struct Constant {
    std::string_view symbol; // the picture on the button, x_y for x with subscript y
    std::string_view name;   // the tooltip
    float value;             // mantissa times a power of ten in double, then single precision
    std::string entryText;   // the single value with at most 7 significant digits
};

// The constant with button number 0 .. 41; nothing for another number.
std::optional<Constant> constantAt(int number);

// A click on button n: the main display's entry gets the constant's entry text (not marked
// complete) and the click sound plays. Returns false and changes nothing for another number.
bool enterConstant(core::Session& session, int number);

enum class ConstantsMode { TwoPages, SinglePage };

// Which buttons the window shows: two pages of 21, or all 42 on one tall page.
class ConstantsView {
public:
    ConstantsMode mode() const { return m_mode; }
    // 1 or 2 in two-page mode; single-page mode shows every button.
    int page() const { return m_page; }
    bool isVisible(int number) const;

    // q1 and q2: only from the other page, and never in single-page mode.
    void showFirstPage();
    void showSecondPage();
    // The view toggle S: two pages (on page 1) and one page in turn.
    void toggleMode();

private:
    ConstantsMode m_mode = ConstantsMode::TwoPages;
    int m_page = 1;
};

} // namespace nuvra::tools::constants
