#pragma once

#include <string>
#include <string_view>

namespace nuvra::cli {

// A JSON string literal with the escapes JSON requires.
std::string jsonString(std::string_view text);

} // namespace nuvra::cli
