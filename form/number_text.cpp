#include "form/number_text.h"

#include <limits>

namespace tessaly {

namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

int64_t parseNumberText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }

    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }

    // Magnitude in unsigned arithmetic: wrapping is defined there, overflow of int64_t is not.
    uint64_t magnitude = 0;
    bool saturated = false;
    constexpr uint64_t kLimit = uint64_t(std::numeric_limits<int64_t>::max()) + 1;  // |INT64_MIN|
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i]);
        if (d >= base) break;
        if (base == 10) {
            if (saturated) continue;
            if (magnitude > (kLimit - uint64_t(d)) / 10) {
                saturated = true;
                magnitude = kLimit;
                continue;
            }
            magnitude = magnitude * 10 + uint64_t(d);
            if (magnitude > kLimit) {
                saturated = true;
                magnitude = kLimit;
            }
        } else {
            magnitude = magnitude * uint64_t(base) + uint64_t(d);
        }
    }

    if (base == 10) {
        if (negative) {
            return magnitude == kLimit ? std::numeric_limits<int64_t>::min()
                                       : -static_cast<int64_t>(magnitude);
        }
        return magnitude >= kLimit ? std::numeric_limits<int64_t>::max()
                                   : static_cast<int64_t>(magnitude);
    }
    const uint64_t bits = negative ? uint64_t(0) - magnitude : magnitude;
    return static_cast<int64_t>(bits);  // two's complement conversion, defined since C++20
}

int32_t numberTextAsInt32(std::string_view text) {
    return static_cast<int32_t>(
        static_cast<uint32_t>(static_cast<uint64_t>(parseNumberText(text))));
}

std::string numberToText(int64_t value) {
    return std::to_string(value);
}

}  // namespace tessaly
