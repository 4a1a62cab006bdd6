#pragma once

#include "platform/clipboard.h"

namespace nuvra::platform {

// The system clipboard through Qt.
class QtClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override;
    bool clear() override;
    bool setText(std::string_view text) override;
};

} // namespace nuvra::platform
