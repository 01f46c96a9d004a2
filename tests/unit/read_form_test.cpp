#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/reader.h"

namespace tessaly {
namespace {

// Records the hook calls of one reading, in order.
class RecordingHooks : public ReadFormHooks {
  public:
    std::vector<std::string> calls;
    int listCountAtBuild = -1;

    void destroyGadget(int32_t gadget) override {
        calls.push_back("destroy " + std::to_string(gadget));
    }
    void clearPicker() override { calls.push_back("clearPicker"); }
    void resetPages() override { calls.push_back("resetPages"); }
    void setFlagsTabDisabled(bool disabled) override {
        calls.push_back(disabled ? "flagsTab off" : "flagsTab on");
    }
    void disablePicker() override { calls.push_back("disablePicker"); }
    void openDefaultWindow() override { calls.push_back("defaultWindow"); }
    void buildPreview(ElementList& list) override {
        calls.push_back("build");
        listCountAtBuild = list.count();
        for (sElement& e : list) e.Gadget = 500 + e.Line;  // what a builder would store
    }
    void showFirstEntry() override { calls.push_back("showFirst"); }
    void activateMainWindow() override { calls.push_back("activate"); }
};

const KeywordTable kTable = {
    {"OpenWindow, W, Window, x, y, Width, Height, Title$", "", 0, "OpenWindow"},
    {"ButtonGadget, G, Gadget, x, y, Width, Height, Text$", "", 1, "ButtonGadget"},
    {"CreateStatusBar, S, StatusBar, ParentWindowID", "", 0, "CreateStatusBar"},
    {"CloseGadgetList, L", "", 2, "CloseGadgetList"},
};

using Calls = std::vector<std::string>;

TEST(ReadForm, AFormWithAWindowLineRunsEveryStepInOrder) {
    RecordingHooks hooks;
    ElementList list;
    readForm(CodeText("OpenWindow(0,0,0,9,9,\"T\")\nButtonGadget(1,1,1,1,1,\"B\")"), kTable, list,
             hooks);
    EXPECT_EQ(hooks.calls, (Calls{"clearPicker", "resetPages", "flagsTab on", "build", "showFirst",
                                  "activate"}));
    EXPECT_EQ(hooks.listCountAtBuild, 2);
    EXPECT_EQ(list.currentIndex(), 0);
}

TEST(ReadForm, WithoutAWindowLineTheDefaultWindowOpensBeforeTheBuild) {
    RecordingHooks hooks;
    ElementList list;
    readForm(CodeText("  ButtonGadget(1,1,1,1,1,\"B\")"), kTable, list, hooks);
    EXPECT_EQ(hooks.calls, (Calls{"clearPicker", "resetPages", "flagsTab on", "defaultWindow",
                                  "build", "showFirst", "activate"}));
}

TEST(ReadForm, AnEmptyReadingDisablesPickerAndFlagsTabAndOpensNoWindow) {
    RecordingHooks hooks;
    ElementList list;
    readForm(CodeText(""), kTable, list, hooks);
    EXPECT_EQ(hooks.calls, (Calls{"clearPicker", "resetPages", "flagsTab on", "disablePicker",
                                  "flagsTab off", "build", "activate"}));
    EXPECT_EQ(list.currentIndex(), -1);
}

TEST(ReadForm, OnlyTheGadgetsOfThePreviousReadingAreDestroyed) {
    RecordingHooks hooks;
    ElementList list;
    const CodeText code(
        "OpenWindow(0,0,0,9,9,\"T\")\nButtonGadget(1,1,1,1,1,\"B\")\nCreateStatusBar(0, "
        "WindowID(0))\nCloseGadgetList()\nButtonGadget(2,1,1,1,1,\"C\")");
    readForm(code, kTable, list, hooks);  // the recording builder gives every element a number
    hooks.calls.clear();
    list[4].Gadget = 0;  // a gadget that got no control
    readForm(code, kTable, list, hooks);
    ASSERT_GE(hooks.calls.size(), 2u);
    EXPECT_EQ(hooks.calls[0], "destroy 501");
    EXPECT_EQ(hooks.calls[1], "clearPicker");
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(list[0].Gadget, 500);  // the fresh list, rebuilt from nothing
}

TEST(ReadForm, LaterGadgetsAreDestroyedFirst) {
    RecordingHooks hooks;
    ElementList list;
    const CodeText code(
        "ButtonGadget(1,1,1,1,1,\"B\")\nButtonGadget(2,1,1,1,1,\"C\")\nButtonGadget(3,1,1,1,1,\"D\")");
    readForm(code, kTable, list, hooks);
    hooks.calls.clear();
    readForm(code, kTable, list, hooks);
    ASSERT_GE(hooks.calls.size(), 3u);
    EXPECT_EQ(hooks.calls[0], "destroy 502");
    EXPECT_EQ(hooks.calls[1], "destroy 501");
    EXPECT_EQ(hooks.calls[2], "destroy 500");
}

}  // namespace
}  // namespace tessaly
