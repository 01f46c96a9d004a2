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

UndoStep group(std::vector<UndoStep> parts, int nudged = 0) {
    UndoStep step;
    step.kind = UndoStep::Kind::Group;
    step.parts = std::move(parts);
    step.nudgedField = nudged;
    return step;
}

TEST(UndoHistory, AGroupIsOneStepWithoutItsUnchangedPartsAndItsNudgesJoin) {
    UndoHistory h;
    h.push(group({edit(1, "a", "a"), edit(2, "b", "b")}));  // a drag back to where it began
    EXPECT_FALSE(h.canUndo());
    h.push(group({edit(1, "x=1", "x=2"), edit(2, "b", "b"), edit(3, "y=1", "y=2")}, 1));
    h.push(group({edit(1, "x=2", "x=3"), edit(3, "y=2", "y=3")}, 1));  // the same gadgets again
    h.push(group({edit(1, "x=3", "x=4")}, 1));  // another selection: a step of its own
    EXPECT_EQ(h.undo()->parts.size(), 1u);
    const std::optional<UndoStep> joined = h.undo();
    ASSERT_EQ(joined->parts.size(), 2u);
    EXPECT_EQ(joined->parts[0].before.line, "x=1");
    EXPECT_EQ(joined->parts[0].after.line, "x=3");
    EXPECT_EQ(joined->parts[1].element, 3);
    EXPECT_EQ(joined->parts[1].after.line, "y=3");
    EXPECT_FALSE(h.canUndo());
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
