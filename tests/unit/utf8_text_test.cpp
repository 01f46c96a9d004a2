#include "app/utf8_text.h"

#include <gtest/gtest.h>

#include <random>

namespace tessaly {
namespace {

using namespace std::string_literals;

TEST(ToolkitUtf8, ValidTextWithoutNulIsUnchanged) {
    for (const char* text : {"", "plain", "caf\xC3\xA9", "\xE2\x82\xAC 5", "\xF0\x9F\x98\x80",
                             "a\r\nb\r\n", "\xEF\xBF\xBD", "\xF3\xB0\x84\x80"}) {
        EXPECT_EQ(toToolkitUtf8(text), text);
        EXPECT_EQ(fromToolkitUtf8(text), text);
    }
}

TEST(ToolkitUtf8, EachByteTheToolkitCannotTakeTravelsAsOnePrivateCharacter) {
    const auto byte = [](unsigned char b) {
        return fromToolkitUtf8(toToolkitUtf8(std::string(1, char(b))));
    };
    EXPECT_EQ(toToolkitUtf8("caf\xE9"), "caf\xF3\xB0\x83\xA9");  // Latin-1
    EXPECT_EQ(toToolkitUtf8("a\0b"s),
              "a\xF3\xB0\x80\x80"
              "b");                                                                // NUL
    EXPECT_EQ(toToolkitUtf8("\xC0\xAF"), "\xF3\xB0\x83\x80\xF3\xB0\x82\xAF");      // overlong
    EXPECT_EQ(toToolkitUtf8("ab\xE2\x82"), "ab\xF3\xB0\x83\xA2\xF3\xB0\x82\x82");  // cut short
    // The private characters themselves go byte by byte, so they come back too.
    EXPECT_EQ(toToolkitUtf8("\xF3\xB0\x80\x81"),
              "\xF3\xB0\x83\xB3\xF3\xB0\x82\xB0\xF3\xB0\x82\x80\xF3\xB0\x82\x81");
    for (int b = 0; b < 256; ++b) EXPECT_EQ(byte(b), std::string(1, char(b))) << b;
}

TEST(ToolkitUtf8, AnyBytesComeBackExactlyAndTheToolkitGetsValidUtf8WithoutNul) {
    std::mt19937 random(13);
    // Bytes drawn mostly from the ones that make or break UTF-8 sequences.
    const std::string alphabet = "\0a\n\x80\xBF\xC3\xA9\xE2\x82\xED\xA0\xF0\xF3\xB0\xF4\xFF"s;
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int length = int(random() % 24);
        for (int i = 0; i < length; ++i) bytes += alphabet[random() % alphabet.size()];
        const std::string shown = toToolkitUtf8(bytes);
        ASSERT_EQ(shown.find('\0'), std::string::npos);
        // Without its private characters, what the toolkit gets needs no change: valid UTF-8.
        std::string rest;
        for (size_t i = 0; i < shown.size(); ++i) {
            if (shown.compare(i, 2, "\xF3\xB0") == 0 && uint8_t(shown[i + 2]) <= 0x83) {
                i += 3;
            } else {
                rest += shown[i];
            }
        }
        ASSERT_EQ(toToolkitUtf8(rest), rest);
        ASSERT_EQ(fromToolkitUtf8(shown), bytes);
    }
}

}  // namespace
}  // namespace tessaly
