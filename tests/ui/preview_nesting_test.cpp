// Gadget lists nest as the code opens and closes them; items, columns and splitters find their
// targets by identifier.
#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/scrolwin.h>
#include <wx/splitter.h>
#include <wx/textctrl.h>

#include <fstream>
#include <set>
#include <sstream>

#include "form/column_list_wx.h"
#include "preview_fixture.h"

namespace tessaly::test {
namespace {

using NestingTest = PreviewTest;

constexpr const char* kWindow = "OpenWindow(#W, 0, 0, 640, 480, \"Nesting\")\n";

TEST_F(NestingTest, ContainersPanelTabsAndScrollAreasBecomeTheParent) {
    read(std::string(kWindow) +
         "ContainerGadget(#Box, 20, 30, 300, 200, #PB_Container_Flat)\n"
         "  ButtonGadget(#InBox, 5, 6, 80, 25, \"In box\")\n"
         "  PanelGadget(#Panel, 10, 40, 280, 150)\n"
         "    AddGadgetItem(#Panel, -1, \"First\")\n"
         "      TextGadget(#OnFirst, 1, 2, 60, 20, \"one\")\n"
         "    AddGadgetItem(#Panel, -1, \"Second\")\n"
         "      ScrollAreaGadget(#Area, 3, 4, 200, 100, 600, 400, 20)\n"
         "        ButtonGadget(#InArea, 7, 8, 80, 25, \"deep\")\n"
         "      CloseGadgetList()\n"
         "  CloseGadgetList()\n"
         "CloseGadgetList()\n"
         "ButtonGadget(#After, 400, 10, 80, 25, \"after\")\n"
         "CloseGadgetList()\n"  // nothing left to close: no effect
         "ButtonGadget(#Last, 400, 50, 80, 25, \"last\")\n");
    auto* box = dynamic_cast<wxPanel*>(control("#Box"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->HasFlag(wxBORDER_SIMPLE));  // #PB_Container_Flat
    EXPECT_EQ(box->GetParent(), frame());
    EXPECT_EQ(control("#InBox")->GetParent(), box);
    EXPECT_EQ(control("#InBox")->GetPosition(), wxPoint(5, 6));

    auto* panel = dynamic_cast<wxNotebook*>(control("#Panel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetParent(), box);
    ASSERT_EQ(panel->GetPageCount(), 2u);
    EXPECT_EQ(panel->GetPageText(0), "First");
    EXPECT_EQ(panel->GetPageText(1), "Second");
    EXPECT_EQ(control("#OnFirst")->GetParent(), panel->GetPage(0));
    EXPECT_EQ(control("#OnFirst")->GetPosition(), wxPoint(1, 2));

    auto* area = dynamic_cast<wxScrolledWindow*>(control("#Area"));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->GetParent(), panel->GetPage(1));
    EXPECT_EQ(area->GetVirtualSize(), wxSize(600, 400));
    int stepX = 0, stepY = 0;
    area->GetScrollPixelsPerUnit(&stepX, &stepY);
    EXPECT_EQ(stepX, 20);
    EXPECT_EQ(control("#InArea")->GetParent(), area);

    EXPECT_EQ(control("#After")->GetParent(), frame());
    EXPECT_EQ(control("#Last")->GetParent(), frame());
}

TEST_F(NestingTest, UnbalancedCodeLeavesTheParentWhereTheCodeLeftIt) {
    read(std::string(kWindow) +
         "ContainerGadget(#Outer, 0, 0, 300, 300)\n"
         "ContainerGadget(#Inner, 10, 10, 200, 200)\n"
         "CloseGadgetList()\n"
         "ButtonGadget(#B, 1, 1, 50, 20, \"b\")\n");
    EXPECT_EQ(control("#B")->GetParent(), control("#Outer"));
    EXPECT_EQ(control("#Outer")->GetBorder(), wxBORDER_NONE);  // no border flag: borderless
    // The next reading starts again in the window: the old containers are gone.
    read(std::string(kWindow) + "ButtonGadget(#Fresh, 1, 1, 50, 20, \"b\")\n");
    EXPECT_EQ(control("#Fresh")->GetParent(), frame());
}

TEST_F(NestingTest, NestingDeeperThanTheLimitIsBuiltIntoTheDeepestContainerWithOneNote) {
    // 1,000 nested containers, a button in the innermost, 1,000 closing lines, a button after.
    std::ifstream in(TESSALY_SOURCE_DIR "/tests/data/nested_1000.pb", std::ios::binary);
    read(std::string(std::istreambuf_iterator<char>(in), {}));
    const std::string deepest = "#C" + std::to_string(ParentStacks::kMaxDepth);
    EXPECT_EQ(control("#C1")->GetParent(), frame());
    EXPECT_EQ(control(deepest)->GetParent(),
              control("#C" + std::to_string(ParentStacks::kMaxDepth - 1)));
    EXPECT_EQ(control("#C1000")->GetParent(), control(deepest));
    EXPECT_EQ(control("#B")->GetParent(), control(deepest));
    EXPECT_EQ(control("#Top")->GetParent(), frame());
    ASSERT_EQ(host_.notes.size(), 1u);
    EXPECT_NE(host_.notes[0].find("deeper than 64"), std::string::npos);
    // The next reading, nested no deeper than the limit, gives no note.
    read(std::string(kWindow) + "ContainerGadget(#C, 0, 0, 9, 9)\nCloseGadgetList()\n");
    EXPECT_EQ(host_.notes.size(), 1u);
}

TEST_F(NestingTest, GadgetsOnAPanelWithoutATabAreNotMade) {
    read(std::string(kWindow) +
         "PanelGadget(#Panel, 0, 0, 300, 200)\n"
         "ButtonGadget(#Homeless, 1, 1, 50, 20, \"b\")\n"
         "CloseGadgetList()\n"
         "ButtonGadget(#Home, 1, 1, 50, 20, \"b\")\n");
    EXPECT_EQ(element("#Homeless").Gadget, 0);
    EXPECT_EQ(control("#Home")->GetParent(), frame());
}

TEST_F(NestingTest, ItemsLandInTheirTargetsAtTheirPositions) {
    read(std::string(kWindow) +
         "ComboBoxGadget(#Combo, 10, 10, 150, 25)\n"
         "ListViewGadget(#List, 10, 40, 150, 100)\n"
         "TreeGadget(#Tree, 170, 10, 150, 150)\n"
         "EditorGadget(#Editor, 330, 10, 150, 150)\n"
         "AddGadgetItem(#Combo, -1, \"b\")\n"
         "AddGadgetItem(#combo, 0, \"a\")\n"  // identifiers match in any case
         "AddGadgetItem(#Combo, 99, \"c\")\n"
         "AddGadgetItem(#List, -1, \"one\")\n"
         "AddGadgetItem(#List, -1, \"three\")\n"
         "AddGadgetItem(#List, 1, \"two\")\n"
         "AddGadgetItem(#Tree, -1, \"root 2\")\n"
         "AddGadgetItem(#Tree, 0, \"root 1\")\n"
         "AddGadgetItem(#Editor, -1, \"line 2\")\n"
         "AddGadgetItem(#Editor, 0, \"line 1\")\n"
         "AddGadgetItem(#Editor, -1, \"line 3\")\n"
         "AddGadgetItem(#Nowhere, -1, \"lost\")\n");
    auto* combo = dynamic_cast<wxChoice*>(control("#Combo"));
    ASSERT_EQ(combo->GetCount(), 3u);
    EXPECT_EQ(combo->GetString(0), "a");
    EXPECT_EQ(combo->GetString(1), "b");
    EXPECT_EQ(combo->GetString(2), "c");
    auto* list = dynamic_cast<wxListBox*>(control("#List"));
    ASSERT_EQ(list->GetCount(), 3u);
    EXPECT_EQ(list->GetString(1), "two");
    auto* tree = dynamic_cast<wxDataViewTreeCtrl*>(control("#Tree"));
    ASSERT_EQ(tree->GetChildCount(wxDataViewItem()), 2);
    EXPECT_EQ(tree->GetItemText(tree->GetNthChild(wxDataViewItem(), 0)), "root 1");
    EXPECT_EQ(dynamic_cast<wxTextCtrl*>(control("#Editor"))->GetValue(), "line 1\nline 2\nline 3");
    // Items have no object and no picker entry.
    for (const sElement& e : list_) {
        if (e.Sort == kSortPositional) {
            EXPECT_EQ(e.Gadget, 0);
        }
    }
    EXPECT_EQ(host_.entries.size(), 5u);
}

TEST_F(NestingTest, ItemsAndTabsBeyondTheirBoundsAreNotShownWithOneNote) {
    std::string code = std::string(kWindow) + "ListViewGadget(#L, 0, 0, 9, 9)\n" +
                       "PanelGadget(#P, 9, 9, 99, 99)\n";
    for (int i = 0; i <= LivePreview::kMaxTabs; ++i) {
        code +=
            "AddGadgetItem(#P, -1, \"T\")\nButtonGadget(#B" + std::to_string(i) + ", 1, 1, 5, 5)\n";
    }
    for (int i = 0; i <= LivePreview::kMaxItems; ++i) code += "AddGadgetItem(#L, -1, \"i\")\n";
    read(code + "CloseGadgetList()\n");
    EXPECT_EQ(dynamic_cast<wxListBox*>(control("#L"))->GetCount(),
              unsigned(LivePreview::kMaxItems));
    EXPECT_EQ(dynamic_cast<wxNotebook*>(control("#P"))->GetPageCount(),
              size_t(LivePreview::kMaxTabs));
    // The gadget on the tab not shown has no control, but its picker entry.
    EXPECT_EQ(element("#B" + std::to_string(LivePreview::kMaxTabs)).Gadget, 0);
    EXPECT_NE(element("#B" + std::to_string(LivePreview::kMaxTabs)).Index, -1);
    ASSERT_EQ(host_.notes.size(), 1u);
    EXPECT_NE(host_.notes[0].find("first 20000 items are shown; only the first 250 panel tabs"),
              std::string::npos);
}

TEST_F(NestingTest, ColumnsAndRowsOfAListIconInAnyOrder) {
    read(std::string(kWindow) +
         "ListIconGadget(#Icons, 10, 10, 400, 200, \"Name\", 120)\n"
         "AddGadgetItem(#Icons, -1, \"Alice\")\n"
         "AddGadgetColumn(#Icons, 1, \"Size\", 80)\n"
         "AddGadgetColumn(#Icons, 0, \"First\", 60)\n"
         "AddGadgetItem(#Icons, 0, \"Bob\")\n"
         "ExplorerListGadget(#Files, 10, 220, 200, 100, \"/\")\n"
         "AddGadgetColumn(#Files, 1, \"Size\", 80)\n"
         "ListViewGadget(#NoColumns, 220, 220, 100, 100)\n"
         "AddGadgetColumn(#NoColumns, 1, \"Size\", 80)\n");
    auto* icons = dynamic_cast<ColumnList*>(control("#Icons"));
    ASSERT_NE(icons, nullptr);
    ASSERT_EQ(icons->GetColumnCount(), 3u);
    EXPECT_EQ(icons->GetColumn(0)->GetTitle(), "First");
    EXPECT_EQ(icons->GetColumn(1)->GetTitle(), "Name");
    EXPECT_EQ(icons->GetColumn(2)->GetTitle(), "Size");
    frame()->Show();
    // GTK knows a column's width once the list is shown.
    pumpUntil([icons] { return icons->GetColumn(0)->GetWidth() > 0; });
    EXPECT_EQ(icons->GetColumn(0)->GetWidth(), 60);
    EXPECT_EQ(icons->GetColumn(1)->GetWidth(), 120);
    ASSERT_EQ(icons->rowCount(), 2);
    EXPECT_EQ(icons->cellText(0, 0), "Bob");    // inserted at 0, text in the first column
    EXPECT_EQ(icons->cellText(1, 1), "Alice");  // added before the new first column
    EXPECT_EQ(icons->cellText(1, 2), "");
    // An explorer list is shown as a tree and a list view has no columns: nothing happens.
    EXPECT_NE(dynamic_cast<wxDataViewTreeCtrl*>(control("#Files")), nullptr);
    EXPECT_EQ(dynamic_cast<wxDataViewCtrl*>(control("#Files"))->GetColumnCount(), 1u);
}

TEST_F(NestingTest, ItemLinesNeverReachAMainWindowControl) {
    // A control of the main window with a fixed number; a lookup that finds nothing gives 0.
    auto* mainWindow = new wxFrame(nullptr, wxID_ANY, "main");
    auto* picker = new wxChoice(mainWindow, wxID_ANY);
    registry_.setWindow(0, mainWindow);
    registry_.setControl(0, picker);
    read(std::string(kWindow) +
         "AddGadgetItem(#Missing, -1, \"x\")\n"
         "AddGadgetItem(#Later, -1, \"x\")\n"  // named further down: not built yet
         "ComboBoxGadget(#Later, 0, 0, 100, 25)\n"
         "SplitterGadget(#S, 0, 0, 100, 100, #Missing, #Later)\n");
    EXPECT_EQ(picker->GetCount(), 0u);
    EXPECT_EQ(dynamic_cast<wxChoice*>(control("#Later"))->GetCount(), 0u);
    EXPECT_EQ(element("#S").Gadget, 0);  // skipped
    EXPECT_EQ(control("#Later")->GetParent(), frame());
    mainWindow->Destroy();
}

TEST_F(NestingTest, SplitterTakesItsTwoChildrenWithTheOrientationOfItsLine) {
    read(std::string(kWindow) +
         "ListViewGadget(#Left, 0, 0, 0, 0)\n"
         "EditorGadget(#Right, 0, 0, 0, 0)\n"
         "SplitterGadget(#Split, 10, 20, 400, 300, #Left, #Right, #PB_Splitter_Vertical)\n"
         "ButtonGadget(#Top, 0, 0, 0, 0, \"top\")\n"
         "ButtonGadget(#Bottom, 0, 0, 0, 0, \"bottom\")\n"
         "SplitterGadget(#Split2, 10, 330, 400, 120, #Top, #Bottom)\n");
    auto* split = dynamic_cast<wxSplitterWindow*>(control("#Split"));
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(split->GetPosition(), wxPoint(10, 20));
    EXPECT_EQ(split->GetSize(), wxSize(400, 300));
    EXPECT_EQ(split->GetSplitMode(), wxSPLIT_VERTICAL);  // side by side
    EXPECT_EQ(split->GetWindow1(), control("#Left"));
    EXPECT_EQ(split->GetWindow2(), control("#Right"));
    EXPECT_EQ(control("#Left")->GetParent(), split);
    EXPECT_TRUE(split->HasFlag(wxSP_3DSASH));  // the separator grip

    auto* split2 = dynamic_cast<wxSplitterWindow*>(control("#Split2"));
    ASSERT_NE(split2, nullptr);
    EXPECT_EQ(split2->GetSplitMode(), wxSPLIT_HORIZONTAL);
    EXPECT_EQ(split2->GetWindow1(), control("#Top"));
    EXPECT_EQ(split2->GetWindow2(), control("#Bottom"));
}

TEST_F(NestingTest, SplittersThatCannotWorkAreSkipped) {
    read(std::string(kWindow) +
         "ButtonGadget(#A, 0, 0, 40, 25, \"a\")\n"
         "SplitterGadget(#Same, 0, 0, 100, 100, #A, #A)\n"
         "ContainerGadget(#Box, 0, 0, 200, 200)\n"
         "ButtonGadget(#B, 0, 0, 40, 25, \"b\")\n"
         "SplitterGadget(#Around, 0, 0, 100, 100, #Box, #B)\n"  // would move #Box into itself
         "CloseGadgetList()\n"
         "ButtonGadget(#C, 0, 0, 40, 25, \"c\")\n"
         "SplitterGadget(#Good, 0, 0, 100, 100, #A, #C)\n"
         "SplitterGadget(#Again, 0, 0, 100, 100, #A, #C)\n");  // already split
    EXPECT_EQ(element("#Same").Gadget, 0);
    EXPECT_EQ(element("#Around").Gadget, 0);
    EXPECT_NE(element("#Good").Gadget, 0);
    EXPECT_EQ(element("#Again").Gadget, 0);
    EXPECT_EQ(control("#Box")->GetParent(), frame());
}

}  // namespace
}  // namespace tessaly::test

namespace tessaly::test {
namespace {

std::string example(const char* name) {
    std::ifstream in(std::string(TESSALY_SOURCE_DIR) + "/examples/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

using ExampleTest = PreviewTest;

TEST_F(ExampleTest, TheNestedExampleBuildsItsGadgetListsInsideEachOther) {
    read(example("nested.pb"));
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(frame()->GetTitle(), "Nested gadget lists");
    auto* panel = dynamic_cast<wxNotebook*>(control("#Panel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetParent(), control("#Outer"));
    ASSERT_EQ(panel->GetPageCount(), 2u);
    EXPECT_EQ(panel->GetSelection(), 0);  // the first tab is shown
    EXPECT_EQ(control("#Inner")->GetParent(), panel->GetPage(0));
    EXPECT_EQ(control("#Inner_Check")->GetParent(), control("#Inner"));
    EXPECT_EQ(control("#Area")->GetParent(), panel->GetPage(1));
    EXPECT_EQ(control("#Area_Frame")->GetParent(), control("#Area"));
    auto* split = dynamic_cast<wxSplitterWindow*>(control("#Split"));
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(split->GetWindow1(), control("#Left"));
    EXPECT_EQ(dynamic_cast<wxListBox*>(control("#Right"))->GetString(0), "Right pane");
    EXPECT_EQ(control("#OK")->GetParent(), frame());
}

TEST_F(ExampleTest, EveryGadgetExampleGivesEveryGadgetElementAControl) {
    read(example("every_gadget.pb"));
    std::set<std::string> used;
    for (const sElement& e : list_) {
        used.insert(e.KeyWord);
        if (e.Sort == kSortGadget) {
            EXPECT_NE(registry_.control(e.Gadget), nullptr) << e.Code;
        }
    }
    for (const sKeyWord& k : keywords()) EXPECT_EQ(used.count(k.KeyWord), 1u) << k.KeyWord;
    EXPECT_TRUE(host_.messages.empty());
    EXPECT_NE(frame()->GetStatusBar(), nullptr);
}

}  // namespace
}  // namespace tessaly::test
