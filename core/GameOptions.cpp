#include "core/GameOptions.h"

#include <cstdlib>

namespace strhaven {

bool GameOptions::statsFirst() const
{
    // Stored as text; blanks around the number are fine, anything that is
    // not a number counts as off rather than stopping the cash-out.
    const char* text = ShowStats.c_str();
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    return *end == '\0' && value != 0.0;
}

} // namespace strhaven
