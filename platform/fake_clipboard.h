#pragma once

#include "platform/clipboard.h"

namespace nuvra::platform {

// An in-memory clipboard for tests; it can be made unreachable, and it counts what it is asked.
class FakeClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override
    {
        return unreachable ? std::nullopt : content;
    }
    bool clear() override
    {
        ++clears;
        if (unreachable)
            return false;
        content.reset();
        return true;
    }
    bool setText(std::string_view text) override
    {
        if (unreachable)
            return false;
        content = std::string(text);
        ++writes;
        return true;
    }

    std::optional<std::string> content;
    bool unreachable = false;
    int clears = 0;
    int writes = 0;
};

} // namespace nuvra::platform
