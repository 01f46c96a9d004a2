#include "edit/pages.h"

#include "edit/code_writer.h"
#include "form/code_text.h"
#include "form/reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly {
namespace {

sElement button(std::vector<std::string> values, std::string flags = "#A|#B|#C") {
    static const char* names[] = {"Gadget", "x", "y", "Width", "Height", "Text", "Flags"};
    sElement e;
    e.Sort = kSortGadget;
    e.KeyWord = "ButtonGadget";
    e.Flags = std::move(flags);
    for (size_t i = 0; i < values.size(); ++i) {
        e.Parameters.push_back({i < 7 ? names[i] : "More", values[i],
                                i == 5 ? kTypeText : kTypePlain, uint8_t(i < 6), uint8_t(i == 5)});
    }
    return e;
}

const KeywordTable& table() {
    static const KeywordTable t = {
        {"ButtonGadget, Gadget, Gadget, x, y, Width, Height, Text$, Flags?", "", 1,
         "ButtonGadget"}};
    return t;
}

TEST(Pages, ShowingFillsFieldsByEntryPosition) {
    const sElement e = button({"#OK", "#PB_Ignore", "2", "3", "4", "Go", "#b | #zz"});
    const PagesView v = pagesFor(&e);
    EXPECT_EQ(v.labels[0], "Gadget");
    EXPECT_EQ(v.fields[0].text, "#OK");
    EXPECT_FALSE(v.anyNumber);
    EXPECT_FALSE(v.fields[1].enabled);  // #PB_Ignore
    EXPECT_TRUE(v.fields[2].enabled);
    EXPECT_EQ(v.fields[5].text, "Go");
    EXPECT_FALSE(v.fields[6].enabled);  // Flags is edited on its own page
    EXPECT_FALSE(v.fields[7].shown);
    EXPECT_EQ(v.flagsEntry, 6);
    // Ticks ignore case and the code's spaces; rows keep the keyword file's text.
    EXPECT_EQ(v.flagRows, (std::vector<std::string>{"#A", "#B", "#C"}));
    EXPECT_EQ(v.flagTicked, (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(v.flagListEnabled);

    const sElement any = button({"#pb_any", "1"}, "");
    const PagesView w = pagesFor(&any);
    EXPECT_EQ(w.fields[0].text, "#PB_Any");
    EXPECT_TRUE(w.anyNumber);
    EXPECT_FALSE(w.flagListEnabled);
    EXPECT_EQ(w.flagsEntry, -1);
    EXPECT_FALSE(pagesFor(nullptr).fields[0].shown);
}

TEST(Pages, AFlagsEntryPastTheTenthStillDrivesTheList) {
    sElement e = button({"1", "2", "3", "4", "5", "t", "x", "8", "9", "10", "11"});
    e.Parameters[6].Name = "Other";
    e.Parameters.push_back({"Flags", "#C", kTypePlain, 0});
    const PagesView v = pagesFor(&e);
    EXPECT_EQ(v.flagsEntry, 11);
    EXPECT_EQ(v.flagTicked, (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(v.fields[9].shown);
}

TEST(Pages, NameCommitsTakeIdentifiersOnlyAndNormaliseThem) {
    const struct {
        const char* typed;
        const char* stored;  // nullptr: refused, nothing changes
        bool anyNumber;
    } cases[] = {
        {"", "#PB_Any", true},
        {"#pb_ANY", "#PB_Any", true},
        {"Ok", "#Ok", false},
        {" #Ok_2$ ", "#Ok_2$", false},
        {"Gadgets(i + 1)", "Gadgets(i + 1)", false},
        {"##O#k", nullptr, false},
        {"1a", nullptr, false},
        {"-5", nullptr, false},
        {"Keep me signed in", nullptr, false},
        {"Gadgets(", nullptr, false},
    };
    for (const auto& c : cases) {
        sElement e = button({"#Old", "1"});
        e.PbAny = 1;
        bool anyNumber = true;
        std::string text = c.typed;
        const NameCommit result = commitName(e, text, anyNumber);
        if (!c.stored) {
            EXPECT_EQ(result, NameCommit::Refused) << c.typed;
            EXPECT_EQ(e.Parameters[0].Value, "#Old");
            EXPECT_EQ(e.PbAny, 1);
            continue;
        }
        ASSERT_EQ(result, NameCommit::Done) << c.typed;
        EXPECT_EQ(text, c.stored) << c.typed;
        EXPECT_EQ(e.Parameters[0].Value, c.stored);
        EXPECT_EQ(anyNumber, c.anyNumber) << c.typed;
        EXPECT_EQ(e.PbAny, c.anyNumber ? 1 : 0) << c.typed;
    }
    // A number stays as typed and leaves the switch and the mark alone; a variable stays one.
    sElement e = button({"#PB_Any"});
    e.PbAny = 1;
    bool anyNumber = true;
    std::string text = "42";
    ASSERT_EQ(commitName(e, text, anyNumber), NameCommit::Done);
    EXPECT_EQ(text, "42");
    EXPECT_TRUE(anyNumber);
    EXPECT_EQ(e.PbAny, 1);
    sElement variable = button({"gadget"});
    text = "other";
    ASSERT_EQ(commitName(variable, text, anyNumber), NameCommit::Done);
    EXPECT_EQ(variable.Parameters[0].Value, "other");
    sElement none;
    EXPECT_EQ(commitName(none, text, anyNumber), NameCommit::NoEntry);
}

TEST(Pages, AnAssignedAnyNumberGadgetIsRenamedByItsVariable) {
    ElementList list;
    scanLines(CodeText("  Button_Close = ButtonGadget(#PB_Any, 1, 2, 3, 4, \"x\") ; c"), table(),
              list);
    sElement& e = list[0];
    EXPECT_EQ(pagesFor(&e).fields[0].text, "Button_Close");
    EXPECT_TRUE(pagesFor(&e).assigned);
    bool anyNumber = true;
    std::string text = "Button_Quit";
    ASSERT_EQ(commitName(e, text, anyNumber), NameCommit::Done);
    EXPECT_EQ(buildLine(e), "  Button_Quit = ButtonGadget(#PB_Any, 1, 2, 3, 4, \"x\") ; c");
    EXPECT_EQ(pressAnyNumber(e, anyNumber), std::nullopt);  // cannot be unticked
    text = "#Button_Quit";
    EXPECT_EQ(commitName(e, text, anyNumber), NameCommit::Refused);
}

TEST(Pages, TheAnyNumberSwitchFlipsWhatTheFieldShows) {
    sElement e = button({"#Ok"});
    bool anyNumber = false;
    EXPECT_EQ(pressAnyNumber(e, anyNumber), "#PB_Any");
    EXPECT_TRUE(anyNumber);
    EXPECT_EQ(e.PbAny, 1);
    EXPECT_EQ(e.Parameters[0].Value, "#Ok");  // the code changes on the next commit only
    EXPECT_EQ(pressAnyNumber(e, anyNumber), "#Ok");
    EXPECT_EQ(e.PbAny, 0);
    sElement any = button({"#pb_any"});
    EXPECT_EQ(pressAnyNumber(any, anyNumber), std::nullopt);
}

TEST(Pages, RebuiltFlagsFollowTheRowsAndKeepTheCodesOwn) {
    const std::vector<std::string> rows = {"#A", "#B", "#C"};
    EXPECT_EQ(rebuildFlags(rows, {true, false, true}, "#c | #Mine | 4 | (#X | #Y) | #a"),
              "#A | #C | #Mine | 4 | (#X | #Y)");  // the code's " | " stays
    EXPECT_EQ(rebuildFlags(rows, {true, true, false}, "#C|#Mine"), "#A|#B|#Mine");
    EXPECT_EQ(rebuildFlags(rows, {false, false, false}, "#B"), "");
    EXPECT_EQ(rebuildFlags(rows, {false, true, false}, ""), "#B");

    sElement e = button({"1", "2", "3", "4", "5", "t", "#Mine"});
    ASSERT_TRUE(commitFlags(e, 6, rows, {true, false, false}));
    EXPECT_EQ(e.Parameters[6].Value, "#A|#Mine");
    EXPECT_FALSE(commitFlags(e, -1, rows, {true, true, true}));
    EXPECT_FALSE(commitFlags(e, 7, rows, {true, true, true}));
    EXPECT_EQ(e.Parameters[6].Value, "#A|#Mine");
}

TEST(Pages, NudgesOffsetWhatWasWrittenOrLeaveIt) {
    sElement e = button({"#B", "#PB_Ignore", "$10", "x + 1", "0"});
    std::string text = e.Parameters[1].Value;
    EXPECT_FALSE(nudge(e, 3, text));  // #PB_Ignore is no position to move
    EXPECT_EQ(e.Parameters[1].Value, "#PB_Ignore");
    text = "$10";
    ASSERT_TRUE(nudge(e, 1, text));  // Ctrl+Up: Y - 1, still hexadecimal
    EXPECT_EQ(text, "$F");
    text = "x + 1";
    ASSERT_TRUE(nudge(e, 8, text));  // Alt+Left: Width - 1
    EXPECT_EQ(e.Parameters[3].Value, "x");
    text = "0";
    ASSERT_TRUE(nudge(e, 5, text));  // Alt+Up: Height - 1
    EXPECT_EQ(e.Parameters[4].Value, "-1");
    for (const char* unrepresentable : {"9223372036854775807", "99999999999999999999"}) {
        text = unrepresentable;
        EXPECT_FALSE(nudge(e, 7, text)) << unrepresentable;  // left as written
        EXPECT_EQ(text, unrepresentable);
    }
    sElement bar = button({"#SB", "WindowID(#W)"});
    bar.Parameters[1].Name = "ParentWindowID";
    text = "WindowID(#W)";
    EXPECT_FALSE(nudge(bar, 3, text));
    EXPECT_FALSE(pagesFor(&bar).fields[1].enabled);

    sElement shortOne = button({"#B", "1", "2"});
    text = "7";
    EXPECT_FALSE(nudge(shortOne, 5, text));  // no Height entry: nothing changes
    EXPECT_EQ(text, "7");
    EXPECT_FALSE(nudge(shortOne, 0, text));
    EXPECT_FALSE(nudge(shortOne, 9, text));
}

TEST(Pages, FieldCommitsStoreWhatWasTyped) {
    sElement e = button({"#B", "1", "2", "3", "4", "Go"});
    std::string text;
    ASSERT_TRUE(commitField(e, 1, text));
    EXPECT_EQ(text, "0");  // a cleared number
    text.clear();
    ASSERT_TRUE(commitField(e, 5, text));
    EXPECT_EQ(e.Parameters[5].Value, "");  // a cleared text stays empty
    text = "9";
    EXPECT_FALSE(commitField(e, 6, text));
    EXPECT_FALSE(commitField(e, 0, text));  // the name field has its own commit
}

TEST(Pages, EditsReadEveryValueAgain) {
    sElement e = button({"#B", "#X", "20", "0", "abc", "Go"});
    e.Parameters.push_back({"Title", "Later", kTypeText, 1});
    e.Gadget = 100001;
    const EditValues v = editValues(e);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 20);
    EXPECT_EQ(v.width, 0);   // keep
    EXPECT_EQ(v.height, 0);  // no number: keep
    EXPECT_EQ(v.text, "Later");
    EXPECT_FALSE(editValues(button({"#B", "1"})).text.has_value());

    EXPECT_EQ(editTarget(e), EditTarget::Gadget);
    e.Sort = kSortWindow;
    EXPECT_EQ(editTarget(e), EditTarget::Window);
    e.KeyWord = "createSTATUSbar";
    EXPECT_EQ(editTarget(e), EditTarget::None);
    e.KeyWord = "OpenWindow";
    e.Gadget = 0;
    EXPECT_EQ(editTarget(e), EditTarget::None);
}

}  // namespace
}  // namespace tessaly
