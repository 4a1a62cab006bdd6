#pragma once

namespace nuvra::core {

// The sounds a key action ends with. The window plays them; tests count them.
class Feedback {
public:
    virtual ~Feedback() = default;
    virtual void playClick() = 0;
    virtual void beep() = 0;
};

class CountingFeedback final : public Feedback {
public:
    void playClick() override { ++m_clicks; }
    void beep() override { ++m_beeps; }
    int clicks() const { return m_clicks; }
    int beeps() const { return m_beeps; }

private:
    int m_clicks = 0;
    int m_beeps = 0;
};

} // namespace nuvra::core
