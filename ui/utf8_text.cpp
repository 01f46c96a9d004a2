#include "ui/utf8_text.h"

#include <cstdint>

namespace tessaly {

namespace {

// The private character for byte b is U+F0000 + b: in UTF-8 F3 B0 (80 + b / 64) (80 + b % 64).
constexpr uint8_t kLead0 = 0xF3;
constexpr uint8_t kLead1 = 0xB0;

void appendByteCharacter(std::string& out, uint8_t b) {
    out += char(kLead0);
    out += char(kLead1);
    out += char(0x80 | (b >> 6));
    out += char(0x80 | (b & 0x3F));
}

// True when text[i..] starts with one of the private characters; sets b to its byte.
bool byteCharacterAt(std::string_view text, size_t i, uint8_t& b) {
    if (i + 4 > text.size()) return false;
    const auto at = [&](size_t k) { return uint8_t(text[i + k]); };
    if (at(0) != kLead0 || at(1) != kLead1 || at(2) < 0x80 || at(2) > 0x83) return false;
    if (at(3) < 0x80 || at(3) > 0xBF) return false;
    b = uint8_t(((at(2) & 0x3) << 6) | (at(3) & 0x3F));
    return true;
}

// Length of the valid UTF-8 sequence at text[i], 0 when there is none.
size_t validSequence(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return uint8_t(text[k]); };
    const uint8_t b0 = byte(i);
    if (b0 < 0x80) return 1;
    size_t length = 0;
    uint8_t lo = 0x80;
    uint8_t hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0) lo = 0xA0;  // no overlong forms
        if (b0 == 0xED) hi = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    const uint8_t b1 = byte(i + 1);
    if (b1 < lo || b1 > hi) return 0;
    for (size_t k = 2; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

std::string toToolkitUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        uint8_t unused = 0;
        const size_t n = validSequence(bytes, i);
        if (n == 0 || bytes[i] == '\0') {
            appendByteCharacter(out, uint8_t(bytes[i]));
            ++i;
        } else if (byteCharacterAt(bytes, i, unused)) {
            for (size_t k = 0; k < 4; ++k) appendByteCharacter(out, uint8_t(bytes[i + k]));
            i += 4;
        } else {
            out.append(bytes.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::string fromToolkitUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        uint8_t b = 0;
        if (byteCharacterAt(utf8, i, b)) {
            out += char(b);
            i += 4;
        } else {
            out += utf8[i];
            ++i;
        }
    }
    return out;
}

}  // namespace tessaly
