#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::platform {

// The system clipboard's text. Every operation can fail when the clipboard cannot be reached.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Nothing when the clipboard holds no text or cannot be read.
    virtual std::optional<std::string> text() const = 0;
    virtual bool clear() = 0;
    virtual bool setText(std::string_view text) = 0;
};

} // namespace nuvra::platform
