#include "app/message_text.h"

namespace tessaly {

std::string breakLongWords(std::string_view text, size_t maxChars) {
    std::string out;
    out.reserve(text.size());
    size_t run = 0;  // characters since the last space or line break
    for (const char c : text) {
        const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (c == ' ' || c == '\t' || c == '\n') {
            run = 0;
        } else if (!continuation) {
            if (maxChars > 0 && run == maxChars) {
                out += '\n';
                run = 0;
            }
            ++run;
        }
        out += c;
    }
    return out;
}

}  // namespace tessaly
