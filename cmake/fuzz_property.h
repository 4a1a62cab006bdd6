#pragma once

#include <cstdio>
#include <cstdlib>

namespace nuvra::fuzz {

// Names the broken property on the way down, so that a crash report says which one it was.
inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken property: %s\n", property);
    std::abort();
}

} // namespace nuvra::fuzz
