#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace nuvra::cli {

// A whole-number argument (an index, a year, a mode number): decimal digits with an optional
// "-" and nothing else, so "07" is 7 in every command; nothing for any other text.
inline std::optional<int> readIntegerArgument(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace nuvra::cli
