#pragma once

#include "eval/expression_evaluator.h"

#include <string_view>

namespace nuvra::eval {

// The only texts the evaluator gives: a number text, a fraction text "j/i", "Error" or
// "Syntax error".
inline bool isResultShape(std::string_view result)
{
    if (result == kError || result == kSyntaxError)
        return true;
    const std::size_t slash = result.find('/');
    if (slash == std::string_view::npos)
        return IsPlainNumber(result);
    return IsPlainNumber(result.substr(0, slash)) && IsPlainNumber(result.substr(slash + 1));
}

} // namespace nuvra::eval
