#include "form/form_names.h"

#include <gtest/gtest.h>

#include "form/preview_rules.h"
#include "form/reader.h"

namespace tessaly {
namespace {

const KeywordTable kTable = {
    {"PanelGadget, G, Gadget, x, y, Width, Height, Flags?", "", 1, "PanelGadget"},
    {"ButtonGadget, G, Gadget, x, y, Width, Height, Text$, Flags?", "", 1, "ButtonGadget"},
    {"AddGadgetItem, I, Gadget, Position, Text$", "", 2, "AddGadgetItem"},
};

TEST(FormNames, APbAnyGadgetIsKnownByItsVariable) {
    ElementList list;
    scanLines(CodeText("  Panel_0 = PanelGadget(#PB_Any, 1, 2, 3, 4)\n"
                       "x = 1 : Button_1.i = ButtonGadget(#pb_any, 1, 2, 3, 4, \"a\")\n"
                       "ButtonGadget(#PB_Any, 1, 2, 3, 4, \"b\")\n"
                       "Gadgets(2) = ButtonGadget(#PB_Any, 1, 2, 3, 4, \"c\")\n"
                       "Named = ButtonGadget(#Named, 1, 2, 3, 4, \"d\")\n"
                       "AddGadgetItem(panel_0, -1, \"Tab\")\n"),
              kTable, list);
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(pickerEntryText(list[0]), "Panel_0 :: PanelGadget");
    EXPECT_EQ(elementName(list[1]), "Button_1");
    EXPECT_EQ(elementName(list[2]), "#PB_Any");  // no variable: the identifier
    EXPECT_EQ(elementName(list[3]), "#PB_Any");  // an array element is no name we can look up
    EXPECT_EQ(elementName(list[4]), "#Named");   // only #PB_Any calls take the variable's name
    list[0].Gadget = 100001;
    EXPECT_EQ(TargetIndex(list).itemTarget(list, list[5].Parameters[0].Value), 100001);
}

TEST(FormNames, WindowSizesComeFromTheNearestProcedure) {
    const CodeText code(
        "Procedure Other(width = 1)\n"
        "EndProcedure\n"
        "Procedure.i OpenWindow_0(x = 10, y = $14, Width.l = 600, height=400, t$ = \"a, b\")\n"
        "  OpenWindow(Window_0, x, y, width, height, \"T\")\n"
        "  ProcedureReturn 1\n");
    const NameScope scope(code);
    EXPECT_EQ(scope.value(3, "x"), 10);
    EXPECT_EQ(scope.value(3, "y"), 20);
    EXPECT_EQ(scope.value(3, "width"), 600);
    EXPECT_EQ(scope.value(3, "HEIGHT"), 400);
    EXPECT_EQ(scope.value(3, "left"), std::nullopt);
    EXPECT_EQ(scope.value(1, "width"), 1);
    EXPECT_EQ(NameScope(CodeText("OpenWindow(0, x, y, 1, 1)")).value(0, "x"), std::nullopt);
}

}  // namespace
}  // namespace tessaly
