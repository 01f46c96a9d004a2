#include "ui/utf8_text.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(RepairUtf8, ValidTextIsUnchanged) {
    for (const char* text : {"", "plain", "caf\xC3\xA9", "\xE2\x82\xAC 5", "\xF0\x9F\x98\x80",
                             "a\r\nb\r\n", "\xEF\xBF\xBD"}) {
        EXPECT_EQ(repairUtf8(text), text);
    }
}

TEST(RepairUtf8, EachBadByteBecomesOneReplacementCharacter) {
    const std::string r = "\xEF\xBF\xBD";
    EXPECT_EQ(repairUtf8("caf\xE9"), "caf" + r);               // Latin-1
    EXPECT_EQ(repairUtf8("\xC0\xAF"), r + r);                  // overlong
    EXPECT_EQ(repairUtf8("\xED\xA0\x80"), r + r + r);          // surrogate
    EXPECT_EQ(repairUtf8("\xF4\x90\x80\x80"), r + r + r + r);  // beyond U+10FFFF
    EXPECT_EQ(repairUtf8("ab\xE2\x82"), "ab" + r + r);         // cut at the end
    EXPECT_EQ(repairUtf8("\x80x"), r + "x");                   // stray continuation
}

}  // namespace
}  // namespace tessaly
