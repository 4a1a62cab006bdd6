#include "frame/gear_dialog.h"

namespace nuvra::frame {

void GearSlide::open()
{
    m_visible = true;
    m_secondPage = false;
    m_direction = Direction::Opening;
    m_running = true;
}

void GearSlide::close()
{
    m_direction = Direction::Closing;
    m_running = true;
}

bool GearSlide::step()
{
    if (!m_running)
        return false;
    if (m_direction == Direction::Opening) {
        if (m_left > kOpenLeftTwips) {
            m_left = kOpenLeftTwips;
            m_running = false;
            return false;
        }
        m_left += kStepTwips;
        return true;
    }
    if (m_left >= kHiddenLeftTwips) {
        m_left -= kStepTwips;
        return true;
    }
    m_left = kHiddenLeftTwips;
    m_running = false;
    m_visible = false;
    return false;
}

} // namespace nuvra::frame
