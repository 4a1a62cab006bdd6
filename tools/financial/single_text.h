#pragma once

#include <string>

namespace nuvra::tools::financial {

// The number text of a single-precision value: the rules of NumberToText with at most 7
// significant digits, and the exponent form outside 1E-04 .. 1E+07 ("1.097373E+07",
// "5.6704E-08"). Non-finite values give the error words of NumberToText.
std::string SingleToText(float value);

} // namespace nuvra::tools::financial
