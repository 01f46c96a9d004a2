#include "edit/code_writer.h"

#include "form/syntax_check.h"

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
    EXPECT_EQ(buildCall(e), "ButtonGadget(1, 2, 0, 4, 5, \"\")");
    e.Parameters[6].Value = " #A | #B ";
    EXPECT_EQ(buildCall(e), "ButtonGadget(1, 2, 0, 4, 5, \"\",  #A | #B )");  // written as stored
}

TEST(CodeWriter, TextsAreQuotedOnlyWhenTheyWereLiterals) {
    Fixture f("OpenWindow(0, 0, 0, 9, 9, title$ + \" v2\")");
    EXPECT_EQ(buildCall(*f.list.current()), "OpenWindow(0, 0, 0, 9, 9, title$ + \" v2\")");
    Fixture g("OpenWindow(0, 0, 0, 9, 9, \"T\")");
    g.list.current()->Parameters[5].Value = "say \"hi\"";  // typed: stored and written as typed
    EXPECT_EQ(buildCall(*g.list.current()), "OpenWindow(0, 0, 0, 9, 9, ~\"say \\\"hi\\\"\")");
}

// Each rewrite must leave a statement that compiles and spans as many lines as before.
void expectSound(const std::string& statement, const std::string& read) {
    EXPECT_EQ(syntaxError(statement), "") << statement;
    EXPECT_EQ(lineCountOf(statement), lineCountOf(read)) << statement;
}

TEST(CodeWriter, CallsSharingALineKeepEachOthersEdits) {
    Fixture f("ButtonGadget(#T1, 1, 2, 3, 4, \"t\") : ButtonGadget(#S1, 5, 6, 7, 8, \"s\") ; x");
    ASSERT_EQ(f.list.count(), 2);
    for (int i : {0, 1}) {
        f.list.select(i);
        f.list[i].Parameters[1].Value = i == 0 ? "10" : "50";
        f.list[i].Code = buildLine(f.list[i]);
        ASSERT_TRUE(writeCode(f.list, f.code));
        ASSERT_TRUE(refreshStatement(f.list, i, kTable));
    }
    EXPECT_EQ(f.code.text(),
              "ButtonGadget(#T1, 10, 2, 3, 4, \"t\") : ButtonGadget(#S1, 50, 6, 7, 8, "
              "\"s\") ; x");
    expectSound(f.code.text(), "");
}

TEST(CodeWriter, AContinuedCallKeepsItsLinesAndUntouchedArguments) {
    const std::string read =
        "ButtonGadget(#S, 10, 50,  ; where\r\n\t\t200, 25, \"s\",\n   #A |\n   #B)";
    Fixture f(read + "\nnext");
    ASSERT_EQ(f.list.count(), 1);
    sElement& e = f.list[0];
    EXPECT_EQ(e.Lines, 4);
    EXPECT_EQ(e.Parameters[3].Value, "200");
    EXPECT_EQ(e.Parameters[6].Value, "#A |\n   #B");
    EXPECT_EQ(buildLine(e), read);  // nothing changed: every byte stays
    e.Parameters[4].Value = "26";
    EXPECT_EQ(buildLine(e),
              "ButtonGadget(#S, 10, 50,  ; where\r\n\t\t200, 26, \"s\",\n   #A |\n   #B)");
    e.Parameters[6].Value = "#A";  // one line less of flags: the break moves in front of them
    const std::string written = buildLine(e);
    EXPECT_EQ(written, "ButtonGadget(#S, 10, 50,  ; where\r\n\t\t200, 26, \"s\",\n   \n   #A)");
    expectSound(written, read);
    ASSERT_TRUE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.lineCount(), 5);
    EXPECT_EQ(f.code.line(4), "next");
}

TEST(CodeWriter, WrittenValuesAlwaysCompile) {
    Fixture f("ButtonGadget(#C, 10, 50, 200, 140)");
    sElement& e = *f.list.current();
    e.Parameters[6].Value = "#PB_Calendar_Borderless";  // behind a missing text
    EXPECT_EQ(buildCall(e), "ButtonGadget(#C, 10, 50, 200, 140, \"\", #PB_Calendar_Borderless)");
    e.Parameters[5].Value = "X\nY";  // a text with a break is an escape string
    EXPECT_EQ(buildCall(e),
              "ButtonGadget(#C, 10, 50, 200, 140, ~\"X\\nY\", #PB_Calendar_Borderless)");
    e.Parameters[1].Value = "a\nb";  // code never carries a break into the line
    EXPECT_EQ(lineCountOf(buildLine(e)), 1);
    for (const std::string& text :
         {std::string("Find \"all\""), std::string("C:\\x\""), std::string("")}) {
        e.Parameters[5].Value = text;
        e.Parameters[1].Value = "-5";
        expectSound(buildLine(e), "");
    }
}

TEST(CodeWriter, OnlyATrailingRunOfEmptyOptionalEntriesIsLeftOut) {
    const KeywordTable table = {
        {"StringGadget, G, Gadget, x, y, Width, Height, Content$?, Flags?", "", 1, "StringGadget"}};
    CodeText code("StringGadget(#S, 1, 2, 3, 4, \"\", #PB_String_Password)");
    ElementList list;
    scanLines(code, table, list);
    EXPECT_EQ(buildCall(list[0]), "StringGadget(#S, 1, 2, 3, 4, \"\", #PB_String_Password)");
    list[0].Parameters[6].Value = "";
    EXPECT_EQ(buildCall(list[0]), "StringGadget(#S, 1, 2, 3, 4)");
}

TEST(CodeWriter, NothingWrittenGivesEmptyParentheses) {
    sElement e;
    e.KeyWord = "CloseIt";
    EXPECT_EQ(buildCall(e), "CloseIt()");
    e.Parameters.push_back({"Flags", "", kTypePlain, 0});
    EXPECT_EQ(buildCall(e), "CloseIt()");
}

TEST(CodeWriter, TwoElementsOfOneLineEachRebuildTheWholeLineFromTheLineAsRead) {
    Fixture f("If OpenWindow(0,0,0,9,9,\"T\") : ButtonGadget(1, 2, 3, 4, 5, \"B\") : EndIf");
    ASSERT_EQ(f.list.count(), 2);
    f.list[0].Parameters[1].Value = "50";
    f.list.select(0);
    ASSERT_TRUE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.line(0),
              "If OpenWindow(0, 50, 0, 9, 9, \"T\") : ButtonGadget(1, 2, 3, 4, 5, \"B\") : EndIf");
    // Rewriting the other starts from the line as read: the window's edit is not kept.
    f.list[1].Parameters[3].Value = "40";
    f.list.select(1);
    ASSERT_TRUE(writeCode(f.list, f.code));
    EXPECT_EQ(f.code.line(0),
              "If OpenWindow(0,0,0,9,9,\"T\") : ButtonGadget(1, 2, 3, 40, 5, \"B\") : EndIf");
}

// One rewrite of a line, as every edit does it, on lines users really write.
TEST(CodeWriter, OneRewriteKeepsEverythingTheUserWrote) {
    const KeywordTable table = {
        {"OpenWindow, W, Window, x, y, Width, Height, Title$, Flags?", "", 0, "OpenWindow"},
        {"ButtonGadget, G, Gadget, x, y, Width, Height, Text$, Flags?", "", 1, "ButtonGadget"},
        {"TextGadget, G, Gadget, x, y, Width, Height, Text$, Flags?", "", 1, "TextGadget"},
    };
    const struct {
        const char* read;
        const char* written;
    } cases[] = {
        {"TextGadget(#T, 10, 10, 100, 20, \"Hi\") ; note (see above)", nullptr},
        {"ButtonGadget(#B, 10, 40, 100, 25, \"a, b\")", nullptr},
        {"TextGadget(#T, 10, 10, 100, 20, Label$)", nullptr},
        {"OpenWindow(#W, 0, 0, 300, 200, Title$ + \" v2\")", nullptr},
        {"TextGadget_1 = TextGadget(#PB_Any, 1, 2, 3, 4, \"x\")", nullptr},
        {"TextGadget(#T, 1, 2, 3, 4, ~\"say \\\"hi\\\", then ;\", #F)", nullptr},
        {"ButtonGadget(#B, 1, 2, 3, 4, \"OK\", #F1 | #F2, extra, (1, 2))", nullptr},
        {"ButtonGadget(#B, ImageID(#Img), RGB(1, 2, 3), 3, 4, \"OK\")", nullptr},
        {"  ButtonGadget(#B,1,2,3,4,\"OK\")  : x = 1",
         "  ButtonGadget(#B, 1, 2, 3, 4, \"OK\")  : x = 1"},
        {"ButtonGadget(#B, 1, 2, 3, 4, \"open", nullptr},
        {"ButtonGadget(#B, 1, 2 ; (unclosed)", "ButtonGadget(#B, 1, 2; (unclosed)"},
    };
    for (const auto& c : cases) {
        CodeText code(c.read);
        ElementList list;
        scanLines(code, table, list);
        ASSERT_EQ(list.count(), 1) << c.read;
        ASSERT_TRUE(writeCode(list, code));
        EXPECT_EQ(code.line(0), c.written ? c.written : c.read);
    }
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
