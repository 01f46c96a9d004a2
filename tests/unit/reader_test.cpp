#include "form/reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly {
namespace {

KeywordTable testTable() {
    return {
        {"OpenWindow, Window, Window, x, y, Width, Height, Title$, Flags?, ParentWindowID?", "#F1",
         0, "OpenWindow"},
        {"ImageGadget, Gadget, Gadget, x, y, Width, Height, ImageID, Flags?", "#PB_Image_Border", 1,
         "ImageGadget"},
        {"ButtonImageGadget, Gadget, Gadget, x, y, Width, Height, ImageID, Flags?", "", 1,
         "ButtonImageGadget"},
        {"ButtonGadget, Gadget, Gadget, x, y, Width, Height, Text$, Flags?",
         "#PB_Button_Default|#PB_Button_Toggle", 1, "ButtonGadget"},
        {"DateGadget, Gadget, Gadget, x, y, Width, Height, Mask$?, Date?, \" Flags? \"", "", 1,
         "DateGadget"},
        {"AddGadgetItem, Item, Gadget, Position, Text$", "", 2, "AddGadgetItem"},
        {"CloseGadgetList, List", "", 2, "CloseGadgetList"},
    };
}

ElementList read(const std::string& text, const KeywordTable& table = testTable()) {
    ElementList list;
    scanLines(CodeText(text), table, list);
    return list;
}

std::vector<std::string> values(const sElement& e) {
    std::vector<std::string> out;
    for (const sParameter& p : e.Parameters) out.push_back(p.Value);
    return out;
}

using Values = std::vector<std::string>;

TEST(Reader, ReadsAGadgetLineIntoNamedParameters) {
    const ElementList list =
        read("  Button_1 = ButtonGadget(#PB_Any,10,10, 100, 25, \"OK\")  ; go");
    ASSERT_EQ(list.count(), 1);
    const sElement& e = list[0];
    EXPECT_EQ(e.Sort, 1);
    EXPECT_EQ(e.Line, 0);
    EXPECT_EQ(e.Position, 14);
    EXPECT_EQ(e.KeyWord, "ButtonGadget");
    EXPECT_EQ(e.Flags, "#PB_Button_Default|#PB_Button_Toggle");
    EXPECT_EQ(e.Code, "  Button_1 = ButtonGadget(#PB_Any,10,10, 100, 25, \"OK\")  ; go");
    EXPECT_EQ(values(e), (Values{"#PB_Any", "10", "10", "100", "25", "OK", ""}));
    ASSERT_EQ(e.Parameters.size(), 7u);
    EXPECT_EQ(e.Parameters[0].Name, "Gadget");
    EXPECT_EQ(e.Parameters[0].Type, kTypePlain);
    EXPECT_EQ(e.Parameters[0].Mandatory, 1);
    EXPECT_EQ(e.Parameters[5].Name, "Text");
    EXPECT_EQ(e.Parameters[5].Type, kTypeText);
    EXPECT_EQ(e.Parameters[5].Mandatory, 1);
    EXPECT_EQ(e.Parameters[6].Name, "Flags");
    EXPECT_EQ(e.Parameters[6].Type, kTypePlain);
    EXPECT_EQ(e.Parameters[6].Mandatory, 0);
    EXPECT_EQ(e.Index, 0);
    EXPECT_EQ(e.Gadget, 0);
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST(Reader, ParameterMarkersAndQuotedNames) {
    const ElementList list = read("DateGadget(1, 2, 3, 4, 5)");
    ASSERT_EQ(list.count(), 1);
    const auto& p = list[0].Parameters;
    ASSERT_EQ(p.size(), 8u);
    EXPECT_EQ(p[5].Name, "Mask");
    EXPECT_EQ(p[5].Type, kTypeText);
    EXPECT_EQ(p[5].Mandatory, 0);
    EXPECT_EQ(p[6].Name, "Date");
    EXPECT_EQ(p[6].Type, kTypePlain);
    EXPECT_EQ(p[6].Mandatory, 0);
    EXPECT_EQ(p[7].Name, "Flags");  // quotes and spaces around the name are dropped
    EXPECT_EQ(values(list[0]), (Values{"1", "2", "3", "4", "5", "", "", ""}));
}

TEST(Reader, CommentsAndStringsHideCallsAndPunctuation) {
    EXPECT_EQ(read("; ButtonGadget(1, 2, 3, 4, 5, \"x\")").count(), 0);
    EXPECT_EQ(read("x = 1 ; ButtonGadget(1, 2, 3, 4, 5, \"x\")").count(), 0);
    EXPECT_EQ(read("s$ = \"ButtonGadget(1, 2, 3, 4, 5)\"").count(), 0);
    ElementList list = read("ButtonGadget(1, 2, 3, 4, 5, \"a;b\") ; see (note)");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list[0].Parameters[5].Value, "a;b");
    EXPECT_EQ(list[0].Parameters[6].Value, "");
    // A ";" inside a string opens no comment, so the call behind it is still found.
    list = read("Define s$ = \"a;b\" : ButtonGadget(#B, 1, 2, 3, 4, \"OK\")");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list[0].Position, 21);
    // An escape string ends at the first quote that no backslash takes.
    list = read("ButtonGadget(1, 2, 3, 4, 5, ~\"a\\\"), b\", #F)");
    EXPECT_EQ(values(list[0]), (Values{"1", "2", "3", "4", "5", "~\"a\\\"), b\"", "#F"}));
    EXPECT_EQ(list[0].Parameters[5].Type, kTypePlain);
}

TEST(Reader, NameTestIgnoresCaseAndSpacesButNotTabs) {
    ElementList list = read("bUtToNgAdGeT (1, 2, 3, 4, 5, \"x\")");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list[0].KeyWord, "ButtonGadget");
    EXPECT_EQ(list[0].Code, "bUtToNgAdGeT (1, 2, 3, 4, 5, \"x\")");
    EXPECT_EQ(list[0].Position, 1);
    EXPECT_EQ(read("ButtonGadget\t(1, 2, 3, 4, 5, \"x\")").count(), 0);
    EXPECT_EQ(read("ButtonGadget 1, 2").count(), 0);
}

TEST(Reader, CallNamesAreWholeWords) {
    ElementList list = read("  ButtonImageGadget(1, 2, 3, 4, 5, 0)");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list[0].KeyWord, "ButtonImageGadget");
    EXPECT_EQ(list[0].Position, 3);
    // The user's own procedures, module members and fields are other calls.
    for (const char* other : {"MyButtonGadget(#X, 1, 2, 3, 4, \"mine\")",
                              "MyModule::ButtonGadget(#X, 1, 2, 3, 4, \"m\")",
                              "obj.ButtonGadget(#X, 1, 2, 3, 4, \"m\")", "x = 3ButtonGadget(1)"}) {
        EXPECT_EQ(read(other).count(), 0) << other;
    }
}

TEST(Reader, ArgumentsSplitAtTopLevelCommasOnly) {
    ElementList list = read("ButtonGadget(1, ImageID(#I), RGB(1, 2, 3), 4, 5, \"Yes, no\", #F)");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(values(list[0]),
              (Values{"1", "ImageID(#I)", "RGB(1, 2, 3)", "4", "5", "Yes, no", "#F"}));
    EXPECT_EQ(list[0].Parameters[5].Type, kTypeText);
    // More arguments than names: the last entry keeps the rest of the list as written.
    list = read("ButtonGadget(1, 2, 3, 4, 5, \"a\", #F,  x , \"y, z\" )");
    EXPECT_EQ(list[0].Parameters[6].Value, "#F,  x , \"y, z\"");
    EXPECT_EQ(list[0].Parameters[6].Type, kTypePlain);
    // Fewer: the rest stay empty.
    list = read("ButtonGadget()");
    EXPECT_EQ(values(list[0]), (Values{"", "", "", "", "", "", ""}));
}

TEST(Reader, TextEntriesKeepAnythingButAPlainLiteralAsWritten) {
    const struct {
        const char* argument;
        const char* value;
        int32_t type;
    } cases[] = {
        {"\"OK\"", "OK", kTypeText},
        {"\"\"", "", kTypeText},
        {"", "", kTypeText},
        {"Label$", "Label$", kTypePlain},
        {"T$ + \" v2\"", "T$ + \" v2\"", kTypePlain},
        {"\"a\" + \"b\"", "\"a\" + \"b\"", kTypePlain},
        {"~\"x\\n\"", "~\"x\\n\"", kTypePlain},
        {"Str(1)", "Str(1)", kTypePlain},
        {"\"open", "\"open)", kTypePlain},  // the ")" is inside the string
    };
    for (const auto& c : cases) {
        const ElementList list =
            read(std::string("ButtonGadget(1, 2, 3, 4, 5, ") + c.argument + ")");
        ASSERT_EQ(list.count(), 1) << c.argument;
        EXPECT_EQ(list[0].Parameters[5].Value, c.value) << c.argument;
        EXPECT_EQ(list[0].Parameters[5].Type, c.type) << c.argument;
    }
    // A plain entry keeps its quotes.
    EXPECT_EQ(read("ButtonGadget(\"1\")")[0].Parameters[0].Value, "\"1\"");
}

TEST(Reader, PositionalCallsKeepTheirArgumentsByPosition) {
    ElementList list = read("AddGadgetItem(#Panel, -1, \"Tab (one), two\") ; (x)");
    ASSERT_EQ(list.count(), 1);
    const sElement& e = list[0];
    EXPECT_EQ(e.Sort, 2);
    EXPECT_EQ(values(e), (Values{"#Panel", "-1", "Tab (one), two"}));
    for (const sParameter& p : e.Parameters) {
        EXPECT_EQ(p.Name, "");
        EXPECT_EQ(p.Type, 0);
        EXPECT_EQ(p.Mandatory, 0);
    }
    list = read("AddGadgetItem(#L, -1, Name$ + \"!\", ImageID(1))");
    EXPECT_EQ(values(list[0]), (Values{"#L", "-1", "Name$ + \"!\"", "ImageID(1)"}));
    list = read("CloseGadgetList()");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(values(list[0]), (Values{""}));
}

TEST(Reader, LineBreaksOfEveryKindCountLines) {
    const ElementList list = read(
        "OpenWindow(0, 0, 0, 10, 10, \"W\")\r\n\r\nButtonGadget(1,1,1,1,1,\"a\")\rButtonGadget(2,"
        "1,1,1,1,\"b\")\nButtonGadget(3,1,1,1,1,\"c\")");
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list[0].Line, 0);
    EXPECT_EQ(list[1].Line, 2);
    EXPECT_EQ(list[2].Line, 3);
    EXPECT_EQ(list[3].Line, 4);
    EXPECT_EQ(list[1].Code, "ButtonGadget(1,1,1,1,1,\"a\")");
}

TEST(Reader, EveryCallOfALineReadsItsOwnArguments) {
    ElementList list = read(
        "If OpenWindow(0, 0, 0, 100, 100, \"T\") : ButtonGadget(1, 2, 3, 4, 5, \"B\") : EndIf");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list[0].KeyWord, "OpenWindow");
    EXPECT_EQ(list[0].Position, 4);
    EXPECT_EQ(list[1].KeyWord, "ButtonGadget");
    EXPECT_EQ(list[1].Position, 41);
    EXPECT_EQ(list[0].Line, list[1].Line);
    EXPECT_EQ(values(list[0]), (Values{"0", "0", "0", "100", "100", "T", "", ""}));
    EXPECT_EQ(values(list[1]), (Values{"1", "2", "3", "4", "5", "B", ""}));
    // A call nested in the arguments, with spaces before its "(".
    // A call nested in the arguments, with spaces before its "(", comes before the call around it.
    list = read("OpenWindow(0, 0, 0, 1, 1, ButtonGadget (7, 8))");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list[1].Parameters[5].Value, "ButtonGadget (7, 8)");
    EXPECT_EQ(values(list[0]), (Values{"7", "8", "", "", "", "", ""}));
    // Calls are read left to right, whatever the table's order.
    list = read("DateGadget(#T1, 1, 2, 3, 4) : ButtonGadget(#S1, 5, 6, 7, 8, \"s\")");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list[0].Parameters[0].Value, "#T1");
    EXPECT_EQ(list[1].Parameters[0].Value, "#S1");
    // A variable named like the call is no call: the assignment stays in front of it.
    list = read("TextGadget_1 = ButtonGadget_1 + ButtonGadget(#PB_Any, 1, 2, 3, 4, \"x\")");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list[0].Position, 33);
}

TEST(Reader, ListsWithoutTheirClosingParenthesisRunToTheCommentOrTheEnd) {
    ElementList list = read("ButtonGadget(1, 2, 3, 4, 5, \"Half");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(values(list[0]), (Values{"1", "2", "3", "4", "5", "\"Half", ""}));
    list = read("AddGadgetItem(#L, -1, \"x\" ; (note");
    EXPECT_EQ(values(list[0]), (Values{"#L", "-1", "x"}));
    list = read("x) = ButtonGadget(");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(values(list[0])[0], "");
}

TEST(Reader, EntriesWithoutNameOrParametersAreHarmless) {
    const KeywordTable table = {{"", "", 1, ""}, {"Short", "", 1, "Short"}, {"", "", 1, "Bare"}};
    // "Bare(" stands in Short's argument text, so the line yields both; neither names a
    // parameter, so neither gets values.
    ElementList list = read("(x) Short(1, 2) Bare(3)", table);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list[0].KeyWord, "Short");
    EXPECT_EQ(list[1].KeyWord, "Bare");
    EXPECT_TRUE(list[0].Parameters.empty());
    EXPECT_TRUE(list[1].Parameters.empty());
    EXPECT_EQ(read("(", table).count(), 0);
    list = read("", table);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
}

TEST(Reader, TwoLinesWithTheSameCallGiveTwoElements) {
    const ElementList list = read("ButtonGadget(1,1,1,1,1,\"a\")\nButtonGadget(2,1,1,1,1,\"b\")\n");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list[0].Line, 0);
    EXPECT_EQ(list[1].Line, 1);
    EXPECT_EQ(list[1].Parameters[0].Value, "2");
}

TEST(Reader, MultiByteTextPassesThroughAndPositionsStayInBytes) {
    const ElementList list = read("Ä = ButtonGadget(1, 2, 3, 4, 5, \"Grüße\")");
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list[0].Position, 6);  // "Ä" is two bytes
    EXPECT_EQ(list[0].Parameters[5].Value, "Grüße");
}

}  // namespace
}  // namespace tessaly
