#include "app/safe_write.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tessaly {

std::string temporaryName(std::string_view fileName, size_t nameMax, uint32_t random) {
    char tail[32];
    std::snprintf(tail, sizeof tail, ".tessaly-%08x.tmp", unsigned(random));
    const size_t room = nameMax > std::strlen(tail) + 1 ? nameMax - std::strlen(tail) - 1 : 0;
    size_t keep = std::min(room, fileName.size());
    // Not in the middle of a UTF-8 character.
    while (keep > 0 && keep < fileName.size() && (fileName[keep] & 0xC0) == 0x80) --keep;
    return "." + std::string(fileName.substr(0, keep)) + tail;
}

}  // namespace tessaly
