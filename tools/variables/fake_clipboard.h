#pragma once

#include "tools/variables/clipboard.h"

namespace nuvra::tools::variables {

// An in-memory clipboard for tests; it can be made unreachable.
class FakeClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override { return m_reachable ? m_text : std::nullopt; }
    bool clear() override
    {
        if (!m_reachable)
            return false;
        m_text.reset();
        return true;
    }
    bool setText(std::string_view text) override
    {
        if (!m_reachable)
            return false;
        m_text = std::string(text);
        ++m_writes;
        return true;
    }

    void setReachable(bool reachable) { m_reachable = reachable; }
    void put(std::string text) { m_text = std::move(text); }
    int writes() const { return m_writes; }

private:
    std::optional<std::string> m_text;
    bool m_reachable = true;
    int m_writes = 0;
};

} // namespace nuvra::tools::variables
