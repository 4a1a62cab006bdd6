#pragma once

#include "platform/clipboard.h"

class QImage;

namespace nuvra::platform {

// The system clipboard through Qt.
class QtClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override;
    bool clear() override;
    bool setText(std::string_view text) override;
    // A picture in place of what the clipboard held.
    bool setImage(const QImage& image);
};

} // namespace nuvra::platform
