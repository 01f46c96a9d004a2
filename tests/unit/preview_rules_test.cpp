#include "form/preview_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace tessaly {
namespace {

sElement element(const std::string& keyword, std::vector<std::string> values, int32_t gadget = 0,
                 int32_t sort = kSortGadget) {
    sElement e;
    e.KeyWord = keyword;
    e.Sort = sort;
    e.Gadget = gadget;
    for (std::string& v : values) e.Parameters.push_back(sParameter{"", std::move(v), 0, 0});
    return e;
}

TEST(PreviewKindOf, KnowsEveryCallOfTheKeywordFileInAnyCase) {
    EXPECT_EQ(previewKindOf("OpenWindow"), PreviewKind::Window);
    EXPECT_EQ(previewKindOf("BUTTONGADGET"), PreviewKind::Button);
    EXPECT_EQ(previewKindOf("buttonimagegadget"), PreviewKind::ButtonImage);
    EXPECT_EQ(previewKindOf("ScintillaGadget"), PreviewKind::Scintilla);
    EXPECT_EQ(previewKindOf("CreateStatusBar"), PreviewKind::StatusBar);
    EXPECT_EQ(previewKindOf("AddGadgetItem"), PreviewKind::AddItem);
    EXPECT_EQ(previewKindOf("AddGadgetColumn"), PreviewKind::AddColumn);
    EXPECT_EQ(previewKindOf("CloseGadgetList"), PreviewKind::CloseGadgetList);
    EXPECT_EQ(previewKindOf("WebGadget"), PreviewKind::Web);
}

TEST(PreviewKindOf, UnknownNamesAndNearMissesMakeNoObject) {
    for (const char* name : {"", "Button", "ButtonGadget2", "MDIGadget", " buttongadget"}) {
        EXPECT_EQ(previewKindOf(name), PreviewKind::None) << name;
    }
}

TEST(Slots, CopiesValuesInOrderAndClearsBetweenElements) {
    Slots slots;
    slots.fill(element("ButtonGadget", {"#B", "1", "2", "3", "4", "Text", "#Flag"}));
    EXPECT_EQ(slots.text(0), "#B");
    EXPECT_EQ(slots.text(5), "Text");
    EXPECT_EQ(slots.text(6), "#Flag");
    slots.fill(element("TextGadget", {"#T", "10"}));
    EXPECT_EQ(slots.text(1), "10");
    EXPECT_EQ(slots.text(5), "");
    EXPECT_EQ(slots.text(6), "");
}

TEST(Slots, OnlySlotsZeroToTenExist) {
    std::vector<std::string> values;
    for (int i = 0; i < 14; ++i) values.push_back(std::to_string(i));
    Slots slots;
    slots.fill(element("X", values));
    EXPECT_EQ(slots.text(10), "10");
    EXPECT_EQ(slots.text(11), "");
    EXPECT_EQ(slots.text(-1), "");
    EXPECT_EQ(slots.number(11), 0);
}

TEST(Slots, NumbersFollowTheNumberTextRuleAndSizesAreNeverNegative) {
    Slots slots;
    slots.fill(element("X", {"#G", "$10", "-5", "#PB_Ignore", "-20", "", "%11", " 7px"}));
    EXPECT_EQ(slots.number(1), 16);
    EXPECT_EQ(slots.number(2), -5);
    EXPECT_EQ(slots.number(3), 0);
    EXPECT_EQ(slots.number(4), -20);
    EXPECT_EQ(slots.size(4), 0);
    EXPECT_EQ(slots.size(2), 0);
    EXPECT_EQ(slots.number(5), 0);
    EXPECT_EQ(slots.number(6), 3);
    EXPECT_EQ(slots.number(7), 7);
    slots.fill(element("X", {"#G", "0", "0", "99999", "$7FFFFFFF"}));
    EXPECT_EQ(slots.size(3), Slots::kMaxSize);
    EXPECT_EQ(slots.size(4), Slots::kMaxSize);
}

TEST(IsIgnoredSize, NeedsBothWidthAndHeightInAnyCase) {
    Slots slots;
    slots.fill(element("OpenWindow", {"#W", "5", "5", "#PB_Ignore", "#pb_IGNORE"}));
    EXPECT_TRUE(isIgnoredSize(slots));
    slots.fill(element("OpenWindow", {"#W", "5", "5", "#PB_Ignore", "200"}));
    EXPECT_FALSE(isIgnoredSize(slots));
    slots.fill(element("OpenWindow", {"#W", "#PB_Ignore", "#PB_Ignore", "100", "100"}));
    EXPECT_FALSE(isIgnoredSize(slots));
    slots.fill(element("OpenWindow", {"#W", "0", "0", " #PB_Ignore", "#PB_Ignore"}));
    EXPECT_FALSE(isIgnoredSize(slots));
}

TEST(SplitterFlags, VerticalWhenTheLineNamesTheFlagAnywhereSeparatorAlways) {
    EXPECT_EQ(splitterFlags("SplitterGadget(#S, 0, 0, 10, 10, #A, #B)"), kSplitterSeparator);
    EXPECT_EQ(splitterFlags("SplitterGadget(#S, 0, 0, 10, 10, #A, #B, #PB_Splitter_Vertical)"),
              kSplitterSeparator | kSplitterVertical);
    EXPECT_EQ(splitterFlags("SplitterGadget(#S,0,0,1,1,#A,#B) ; #pb_SPLITTER_vertical"), 3);
    EXPECT_EQ(splitterFlags("SplitterGadget(#S,0,0,1,1,#A,#B,#PB_Splitter_Separator)"), 2);
}

TEST(LineNamesFlag, FindsTheNameInAnyCase) {
    EXPECT_TRUE(
        lineNamesFlag("StringGadget(#S,0,0,9,9,\"\",#PB_String_Password)", "#pb_string_password"));
    EXPECT_FALSE(lineNamesFlag("StringGadget(#S,0,0,9,9,\"\")", "#pb_string_password"));
}

TEST(TargetIndex, MatchesIdentifierIgnoringCaseAmongAllowedKinds) {
    ElementList list;
    list.append() = element("ButtonGadget", {"#List"}, 100001);
    list.append() = element("ListViewGadget", {"#LIST"}, 100002);
    list.append() = element("ListIconGadget", {"#Icons"}, 100003);
    list.append() = element("AddGadgetItem", {"#list", "-1", "x"}, 0, kSortPositional);
    list.append() = element("ListViewGadget", {"#list"}, 100004);  // a second one with that name
    list.select(3);
    const TargetIndex index(list);
    EXPECT_EQ(index.itemTarget(list, "#list"), 100002);  // the button is not a list; first wins
    EXPECT_EQ(index.columnTarget(list, "#icons"), 100003);
    EXPECT_EQ(index.columnTarget(list, "#List"), 0);  // a list view has no columns
    EXPECT_EQ(index.itemTarget(list, "#Missing"), 0);
    EXPECT_EQ(index.itemTarget(list, ""), 0);
    EXPECT_EQ(list.currentIndex(), 3);
}

TEST(TargetIndex, AnElementFurtherDownThatIsNotBuiltYetGivesZero) {
    ElementList list;
    list.append() = element("AddGadgetItem", {"#Tree", "-1", "x"}, 0, kSortPositional);
    list.append() = element("TreeGadget", {"#Tree"}, 0);
    const TargetIndex index(list);
    EXPECT_EQ(index.itemTarget(list, "#Tree"), 0);
    // The index holds the element, not its object: once built, the same index finds it.
    list[1].Gadget = 100020;
    EXPECT_EQ(index.itemTarget(list, "#tree"), 100020);
}

TEST(TargetIndex, PbAnyStyleTargetsByVariableAreNotFound) {
    ElementList list;
    list.append() = element("ComboBoxGadget", {"#PB_Any"}, 100010);
    EXPECT_EQ(TargetIndex(list).itemTarget(list, "Combo_0"), 0);
}

TEST(TargetIndexSplitter, LastMatchingGadgetWinsAndOtherKindsAreIgnored) {
    ElementList list;
    list.append() = element("OpenWindow", {"#A"}, 100000, kSortWindow);
    list.append() = element("ButtonGadget", {"#A"}, 100001);
    list.append() = element("EditorGadget", {"#b"}, 100002);
    list.append() = element("ButtonGadget", {"#a"}, 100003);
    list.append() = element("AddGadgetItem", {"#B", "-1", "x"}, 0, kSortPositional);
    const TargetIndex index(list);
    const SplitterChildren c = index.splitterChildren(list, "#A", "#B");
    EXPECT_EQ(c.first, 100003);
    EXPECT_EQ(c.second, 100002);
    const SplitterChildren none = index.splitterChildren(list, "#X", "");
    EXPECT_EQ(none.first, 0);
    EXPECT_EQ(none.second, 0);
}

TEST(PickerEntryText, IdentifierThenCallName) {
    EXPECT_EQ(pickerEntryText(element("ButtonGadget", {"#Button_OK", "1"})),
              "#Button_OK :: ButtonGadget");
    EXPECT_EQ(pickerEntryText(element("OpenWindow", {})), " :: OpenWindow");
}

}  // namespace
}  // namespace tessaly

namespace tessaly {
namespace {

TEST(ControlRanges, ExtremeLimitsAreComputedWideAndClamped) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(trackBarRange(0, 100).max, 100);
    EXPECT_EQ(trackBarRange(kMax, 0).min, kMax - 1);  // one step, below the maximum
    EXPECT_EQ(trackBarRange(kMin, kMax).max, kMin + (1 << 30));
    EXPECT_EQ(progressBarRange(0, 100).value, 50);
    EXPECT_EQ(progressBarRange(kMin, kMax).range, kMax);
    EXPECT_EQ(progressBarRange(kMin, kMax).value, kMax);
    EXPECT_EQ(progressBarRange(kMax, kMin).range, 1);
    EXPECT_EQ(scrollBarPositions(0, 99), 100);
    EXPECT_EQ(scrollBarPositions(kMin, kMax), kMax);
}

}  // namespace
}  // namespace tessaly
