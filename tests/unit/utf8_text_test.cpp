#include "ui/utf8_text.h"

#include <gtest/gtest.h>

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
    // (The fuzz target checks the round trip of any bytes.)
}

}  // namespace
}  // namespace tessaly
