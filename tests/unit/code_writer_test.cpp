#include "edit/code_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "form/reader.h"

namespace tessaly {
namespace {

const KeywordTable kTable = {
    {"OpenWindow, Window, Window, x, y, Width, Height, Title$, Flags?", "", 0, "OpenWindow"},
    {"ButtonGadget, Gadget, Gadget, x, y, Width, Height, Text$, Flags?", "", 1, "ButtonGadget"},
    {"AddGadgetItem, Item, Gadget, Position, Text$", "", 2, "AddGadgetItem"},
};

struct Fixture {
    explicit Fixture(const std::string& text) : code(text) { scanLines(code, kTable, list); }
    CodeText code;
    ElementList list;
};

TEST(CodeWriter, RewritesTheLineInTheCanonicalFormKeepingWhatStoodInFront) {
    Fixture f("  Button_1 = buttongadget(#PB_Any,10,10, 100, 25, \"OK\")");
    f.list.current()->Parameters[1].Value = "20";
    ASSERT_TRUE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.text(), "  Button_1 = ButtonGadget(#PB_Any, 20, 10, 100, 25, \"OK\")");
}

TEST(CodeWriter, KeepsWhatFollowedTheCallOnItsLine) {
    Fixture f("ButtonGadget(1,2,3,4,5,\"OK\")  ; the OK button\nnext line");
    ASSERT_TRUE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.text(), "ButtonGadget(1, 2, 3, 4, 5, \"OK\")  ; the OK button\nnext line");

    Fixture g("If OpenWindow(0,0,0,9,9,\"T\") : EndIf");
    ASSERT_TRUE(writeCode(g.list, g.code));
    EXPECT_EQ(g.code.text(), "If OpenWindow(0, 0, 0, 9, 9, \"T\") : EndIf");
}

TEST(CodeWriter, OptionalEmptyParametersAreLeftOutRequiredOnesAreNot) {
    Fixture f("ButtonGadget(1, 2, 3, 4, 5, \"OK\", #F)");
    sElement& e = *f.list.current();
    e.Parameters[6].Value = "   ";  // optional, only spaces
    e.Parameters[5].Value = "";     // required text
    e.Parameters[2].Value = "";     // required plain
    EXPECT_EQ(buildCall(e), "ButtonGadget(1, 2, , 4, 5, \"\")");
    e.Parameters[6].Value = " #A | #B ";
    EXPECT_EQ(buildCall(e), "ButtonGadget(1, 2, , 4, 5, \"\",  #A | #B )");  // written as stored
}

TEST(CodeWriter, TextParametersAreQuotedWhateverTheyHeld) {
    Fixture f("OpenWindow(0, 0, 0, 9, 9, title$)");
    EXPECT_EQ(buildCall(*f.list.current()), "OpenWindow(0, 0, 0, 9, 9, \"title$\")");
    f.list.current()->Parameters[5].Value = "say \"hi\"";
    EXPECT_EQ(buildCall(*f.list.current()), "OpenWindow(0, 0, 0, 9, 9, \"say \"hi\"\")");
}

TEST(CodeWriter, NothingWrittenGivesEmptyParentheses) {
    sElement e;
    e.KeyWord = "CloseIt";
    EXPECT_EQ(buildCall(e), "CloseIt()");
    e.Parameters.push_back({"Flags", "", kTypePlain, 0});
    EXPECT_EQ(buildCall(e), "CloseIt()");
}

TEST(CodeWriter, TwoElementsOfOneLineEachRebuildTheWholeLineFromTheLineAsRead) {
    Fixture f("If OpenWindow(0, 0, 0, 9, 9, \"T\") : ButtonGadget(1, 2, 3, 4, 5, \"B\")");
    ASSERT_EQ(f.list.count(), 2);
    f.list[0].Parameters[1].Value = "50";
    f.list.select(0);
    ASSERT_TRUE(writeCode(f.list, f.code));
    // Both argument texts ran from the line's first "(" to its last ")": the button's call ends
    // up inside the window's title and is gone as a call.
    EXPECT_EQ(f.code.line(0), "If OpenWindow(0, 50, 0, 9, 9, \"T) : ButtonGadget(1\", B)");

    f.list.select(1);
    ASSERT_TRUE(writeCode(f.list, f.code));
    // Rewriting the second keeps the first exactly as read, without its edit.
    EXPECT_EQ(f.code.line(0),
              "If OpenWindow(0, 0, 0, 9, 9, \"T\") : ButtonGadget(0, 0, 0, 9, 9, \"T) : "
              "ButtonGadget(1\", B)");
}

TEST(CodeWriter, LeavesEverythingElseByteForByte) {
    const std::string text = "; head\r\n\tButtonGadget( 1 , 2,3,4,5, \"x\" )\r\n\r\nlast\r";
    Fixture f(text);
    ASSERT_TRUE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.text(), "; head\r\n\tButtonGadget(1, 2, 3, 4, 5, \"x\")\r\n\r\nlast\r");
    // Rewriting again gives the same line: every rewrite starts from the line as read.
    ASSERT_TRUE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.text(), "; head\r\n\tButtonGadget(1, 2, 3, 4, 5, \"x\")\r\n\r\nlast\r");
    EXPECT_EQ(f.list.current()->Code, "\tButtonGadget( 1 , 2,3,4,5, \"x\" )");
}

TEST(CodeWriter, NoCurrentElementOrAVanishedLineLeavesTheCodeAlone) {
    Fixture f("nothing here\n");
    EXPECT_FALSE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.text(), "nothing here\n");

    Fixture g("ButtonGadget(1,2,3,4,5,\"a\")");
    g.list.current()->Line = 7;
    EXPECT_FALSE(writeCode(g.list, g.code));
    EXPECT_EQ(g.code.text(), "ButtonGadget(1,2,3,4,5,\"a\")");
}

TEST(CodeWriter, ALineWithoutItsClosingParenthesisGetsOneAndNoTail) {
    Fixture f("x = (1) + ButtonGadget(1, 2, 3, 4, 5, \"a");
    ASSERT_EQ(f.list.count(), 1);
    // The argument text starts at the line's first "(", so the values are shifted; the writer
    // writes them as they are and adds no copy of the text before the call.
    ASSERT_TRUE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.line(0).rfind("x = (1) + ButtonGadget(", 0), 0u);
    EXPECT_EQ(f.code.line(0).back(), ')');
}

TEST(CodeText, SplitsAtEveryKindOfBreakAndJoinsBackExactly) {
    for (const std::string text :
         {"", "a", "a\n", "a\r\nb", "a\rb\n\nc", "\r\n\r\n", "\n\r", "x\r\r\ny", "tail\r"}) {
        CodeText code(text);
        EXPECT_EQ(code.text(), text);
    }
    CodeText code("a\r\nb\rc\nd");
    ASSERT_EQ(code.lineCount(), 4);
    EXPECT_EQ(code.line(1), "b");
    EXPECT_EQ(code.lineBreak(0), "\r\n");
    EXPECT_EQ(code.lineBreak(1), "\r");
    EXPECT_EQ(code.lineBreak(2), "\n");
    EXPECT_EQ(code.lineBreak(3), "");
    EXPECT_EQ(CodeText("\n\r").lineCount(), 3);  // LF then CR: two breaks, not one
    EXPECT_TRUE(code.replaceLine(1, "B"));
    EXPECT_FALSE(code.replaceLine(4, "x"));
    EXPECT_FALSE(code.replaceLine(-1, "x"));
    EXPECT_EQ(code.text(), "a\r\nB\rc\nd");
}

}  // namespace
}  // namespace tessaly
