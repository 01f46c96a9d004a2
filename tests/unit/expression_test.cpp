#include "form/expression.h"

#include <gtest/gtest.h>

#include <map>

#include "form/code_text.h"
#include "form/form_names.h"
#include "form/syntax_check.h"

namespace tessaly {
namespace {

TEST(Expression, EvaluatesWhatFormsWriteAndNothingElse) {
    const std::map<std::string, int64_t> names = {{"width", 600}, {"#Margin", 8}};
    const NameLookup lookup = [&names](std::string_view name) -> std::optional<int64_t> {
        const auto it = names.find(std::string(name));
        return it == names.end() ? std::nullopt : std::optional<int64_t>(it->second);
    };
    const struct {
        const char* text;
        std::optional<int64_t> value;
    } cases[] = {
        {"width - 110", 490},
        {" $1F + %11 ", 34},
        {"-(2 + 3) * 4", -20},
        {"#Margin * 2 + 1", 17},
        {"7 / 2", 3},
        {"--5", 5},
        {"height - 1", {}},
        {"1 / 0", {}},
        {"(1 + 2", {}},
        {"1 2", {}},
        {"9223372036854775807 + 1", {}},
        {"Len(\"x\")", {}},
        {"", {}},
        {"#PB_Ignore", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(evaluateExpression(c.text, lookup), c.value) << c.text;
    EXPECT_EQ(valueOrNumber("12abc", lookup), 12);  // what does not evaluate keeps the number rule
    EXPECT_EQ(valueOrNumber("width * 10000000", lookup), 2147483647);

    // Names come from the code: constants anywhere, defaults of the nearest procedure above.
    const CodeText code(
        "#Gap = 4 : #Margin = #Gap * 2 ; c\n#Self = #Self + 1\n"
        "Procedure Open(x = 0, width.l = #Margin + 600)\n  b\nEndProcedure");
    const NameScope scope(code);
    EXPECT_EQ(scope.value(3, "#margin"), 8);
    EXPECT_EQ(scope.value(3, "WIDTH"), 608);
    EXPECT_EQ(scope.value(1, "width"), std::nullopt);  // above the procedure
    EXPECT_EQ(scope.value(3, "#Self"), std::nullopt);  // defined by itself
}

TEST(Expression, NudgesOffsetTheProgrammersExpression) {
    const struct {
        const char* text;
        int64_t step;
        std::optional<std::string> result;
    } cases[] = {
        {"10", 1, "11"},
        {"-5", -1, "-6"},
        {"$1F", 1, "$20"},
        {"x", 1, "x + 1"},
        {"x + 1", -1, "x"},
        {"width - 110", 1, "width - 109"},
        {"width-110", 30, "width-80"},
        {"x - 1", 2, "x + 1"},
        {"a * 2", -1, "a * 2 - 1"},
        {"a - 2 * 3", 1, "a - 2 * 3 + 1"},
        {"(a + 1)", 1, "(a + 1) + 1"},
        {"a < b", 1, "(a < b) + 1"},
        {"", 1, "1"},
        {"#PB_Ignore", 1, {}},
        {"9223372036854775807", 1, {}},
        {"99999999999999999999", 1, {}},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> r = offsetExpression(c.text, c.step);
        EXPECT_EQ(r, c.result) << c.text;
        if (r) EXPECT_EQ(syntaxError("G(" + *r + ")"), "") << *r;
    }
}

TEST(Expression, TextLiteralsGiveTheTextBack) {
    EXPECT_EQ(textLiteral("Welcome back"), "\"Welcome back\"");
    EXPECT_EQ(textLiteral(""), "\"\"");
    EXPECT_EQ(textLiteral("Find \"all\""), "~\"Find \\\"all\\\"\"");
    EXPECT_EQ(textLiteral("C:\\x \"q\""), "~\"C:\\\\x \\\"q\\\"\"");
    EXPECT_EQ(textLiteral("X\r\nY"), "~\"X\\r\\nY\"");
    EXPECT_EQ(textLiteral("C:\\dir"), "\"C:\\dir\"");  // a plain literal takes "\" as it is
    for (const char* t : {"a\"", "\"", "\\\"", "x\ny"}) {
        EXPECT_EQ(syntaxError("T(" + textLiteral(t) + ")"), "") << t;
    }
}

TEST(Expression, TheSyntaxCheckFindsWhatDoesNotCompile) {
    for (const char* good : {"ButtonGadget(#B, 1, -2, w - 3, 4, \"x\", #A | #B)",
                             "If OpenWindow(0, 1, 2, 3, 4, ~\"a\\\"b\") : EndIf ; c(", "G(1,\n  2)",
                             "b = G(Gadgets(1), M::F(2), @P(), *p\\x)"}) {
        EXPECT_EQ(syntaxError(good), "") << good;
    }
    for (const char* bad :
         {"G(1, , 2)", "G(1, 2", "G(\"a)", "G(1 2)", "G(1,)", "G(1)\n,2)", "G(\"a\"b\")"}) {
        EXPECT_NE(syntaxError(bad), "") << bad;
    }
}

}  // namespace
}  // namespace tessaly
