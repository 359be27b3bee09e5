// Paths are built in buffers of MAX_PATH bytes; a path that does not fit is never cut short.
#pragma once

#include <WinApi.h>

#include <cstring>

namespace engine
{

// Appends part to the path in the buffer; false, leaving the buffer as it was, when it would not fit.
inline bool AppendToPath(char (&path)[MAX_PATH], const char* part)
{
    const size_t used = std::strlen(path);
    const size_t length = std::strlen(part);
    if (used + length + 1 > MAX_PATH)
        return false;
    std::memcpy(path + used, part, length + 1);
    return true;
}

} // namespace engine
