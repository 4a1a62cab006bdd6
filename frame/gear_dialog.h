#pragma once

#include <string_view>

namespace nuvra::frame {

// The gear dialog slides out from behind the main window to the frame's right and back, 10
// twips a step; while it is out the frame is 4980 twips wide.
class GearSlide {
public:
    static constexpr int kHiddenLeftTwips = 840;
    static constexpr int kOpenLeftTwips = 2910;
    static constexpr int kStepTwips = 10;
    static constexpr int kFrameWidthWhileOpenTwips = 4980;

    enum class Direction { Opening, Closing };

    void open();
    void close();
    // One animation step; returns false once the dialog has reached its end position.
    bool step();

    int leftTwips() const { return m_left; }
    bool running() const { return m_running; }
    bool visible() const { return m_visible; }
    Direction direction() const { return m_direction; }
    bool secondPage() const { return m_secondPage; }
    void showSecondPage() { m_secondPage = true; }

private:
    int m_left = kHiddenLeftTwips;
    Direction m_direction = Direction::Opening;
    bool m_running = false;
    bool m_visible = false;
    bool m_secondPage = false;
};

// The dialog is offered at start while the stored choice "Gear_Dialog" is "1".
inline bool gearDialogOffered(const std::string_view storedChoice)
{
    return storedChoice == "1";
}

} // namespace nuvra::frame
