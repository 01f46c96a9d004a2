#include "edit/undo.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

UndoStep edit(int element, const std::string& from, const std::string& to, int nudged = 0) {
    UndoStep step;
    step.element = element;
    step.before.line = from;
    step.after.line = to;
    step.nudgedField = nudged;
    return step;
}

TEST(UndoHistory, NudgesOfOneFieldInARowMakeOneStep) {
    UndoHistory h;
    h.push(edit(1, "x=1", "x=2", 1));
    h.push(edit(1, "x=2", "x=3", 1));
    h.push(edit(1, "x=3", "y=1", 2));  // another field: a step of its own
    EXPECT_EQ(h.undo()->before.line, "x=3");
    const std::optional<UndoStep> joined = h.undo();
    EXPECT_EQ(joined->before.line, "x=1");
    EXPECT_EQ(joined->after.line, "x=3");
    EXPECT_FALSE(h.canUndo());
    // After an undo a nudge starts a step of its own, even on the same field.
    h.redo();
    h.push(edit(1, "x=3", "x=4", 1));
    EXPECT_EQ(h.undo()->before.line, "x=3");
}

TEST(UndoHistory, ANewStepDropsTheRedoSideAndNothingChangedIsNoStep) {
    UndoHistory h;
    h.push(edit(0, "a", "b"));
    h.push(edit(0, "b", "b"));  // a commit that changed nothing
    ASSERT_TRUE(h.undo());
    EXPECT_FALSE(h.canUndo());
    EXPECT_TRUE(h.canRedo());
    h.push(edit(0, "a", "c"));
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(h.redo(), std::nullopt);
}

TEST(UndoHistory, StatesCarryValuesAndTheMark) {
    sElement e;
    e.Parameters = {{"Gadget", "#B", kTypePlain, 1}, {"x", "5", kTypePlain, 1}};
    e.PbAny = 1;
    const ElementState s = stateOf(e, "line");
    e.Parameters[1].Value = "6";
    e.PbAny = 0;
    restoreState(e, s);
    EXPECT_EQ(e.Parameters[1].Value, "5");
    EXPECT_EQ(e.PbAny, 1);
}

}  // namespace
}  // namespace tessaly
