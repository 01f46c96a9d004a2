// Checks the keyword file that ships with the program against what the reader and the preview
// rely on.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "form/keywords.h"
#include "form/reader.h"
#include "form/text_util.h"

namespace tessaly {
namespace {

KeywordTable shippedTable() {
    const KeywordLoad load = loadKeywordFile(TESSALY_SOURCE_DIR "/assets/keywords.json");
    EXPECT_TRUE(load.ok) << load.error;
    return load.table;
}

TEST(ShippedKeywords, ListEveryCallThePreviewKnowsWithItsKind) {
    const std::map<std::string, int> expected = {
        {"openwindow", 0},         {"createstatusbar", 0},    {"addgadgetitem", 2},
        {"addgadgetcolumn", 2},    {"closegadgetlist", 2},    {"buttongadget", 1},
        {"buttonimagegadget", 1},  {"calendargadget", 1},     {"canvasgadget", 1},
        {"checkboxgadget", 1},     {"comboboxgadget", 1},     {"containergadget", 1},
        {"dategadget", 1},         {"editorgadget", 1},       {"explorercombogadget", 1},
        {"explorerlistgadget", 1}, {"explorertreegadget", 1}, {"framegadget", 1},
        {"hyperlinkgadget", 1},    {"imagegadget", 1},        {"ipaddressgadget", 1},
        {"listicongadget", 1},     {"listviewgadget", 1},     {"openglgadget", 1},
        {"optiongadget", 1},       {"panelgadget", 1},        {"progressbargadget", 1},
        {"scintillagadget", 1},    {"scrollareagadget", 1},   {"scrollbargadget", 1},
        {"shortcutgadget", 1},     {"spingadget", 1},         {"splittergadget", 1},
        {"stringgadget", 1},       {"textgadget", 1},         {"trackbargadget", 1},
        {"treegadget", 1},         {"webgadget", 1},
    };
    std::map<std::string, int> found;
    for (const sKeyWord& kw : shippedTable()) {
        EXPECT_TRUE(found.emplace(asciiLower(kw.KeyWord), kw.Sort).second)
            << "twice: " << kw.KeyWord;
    }
    EXPECT_EQ(found, expected);
}

TEST(ShippedKeywords, ALongerNameThatEndsInAnotherComesFirst) {
    const KeywordTable table = shippedTable();
    for (size_t i = 0; i < table.size(); ++i) {
        for (size_t j = i + 1; j < table.size(); ++j) {
            EXPECT_FALSE(asciiLower(table[j].KeyWord).ends_with(asciiLower(table[i].KeyWord)))
                << table[j].KeyWord << " must come before " << table[i].KeyWord;
        }
    }
}

TEST(ShippedKeywords, EveryCallReadsItsOwnLineWithTheNamesThePagesExpect) {
    std::set<std::string> flagNames;
    for (const sKeyWord& kw : shippedTable()) {
        ElementList list;
        scanLines(CodeText("  " + kw.KeyWord + "(1, 2, 3, 4, 5, 6, 7, 8)"), shippedTable(), list);
        ASSERT_EQ(list.count(), 1) << kw.KeyWord;
        EXPECT_EQ(list[0].KeyWord, kw.KeyWord);
        EXPECT_EQ(list[0].Position, 3);
        if (kw.Sort == kSortPositional) continue;
        const auto& params = list[0].Parameters;
        ASSERT_GE(params.size(), 2u) << kw.KeyWord;
        bool hasFlags = false;
        for (const sParameter& p : params) {
            if (p.Name == "Flags") {
                hasFlags = true;
                EXPECT_EQ(p.Type, kTypePlain) << kw.KeyWord;
                EXPECT_EQ(p.Mandatory, 0) << kw.KeyWord;
            }
            EXPECT_EQ(asciiLower(p.Name).find("flag") == std::string::npos || p.Name == "Flags",
                      true)
                << kw.KeyWord << " names a flag parameter " << p.Name;
        }
        // A call that offers flag constants has a "Flags" parameter to write them into.
        if (!kw.Flags.empty()) {
            EXPECT_TRUE(hasFlags) << kw.KeyWord;
            for (std::string_view f : splitFields(kw.Flags, '|')) {
                EXPECT_TRUE(std::string(f).starts_with("#PB_")) << kw.KeyWord << ": " << f;
                EXPECT_TRUE(flagNames.insert(kw.KeyWord + std::string(f)).second);
            }
        }
        if (kw.Sort == kSortGadget) {
            ASSERT_GE(params.size(), 5u) << kw.KeyWord;
            EXPECT_EQ(params[1].Name, "x");
            EXPECT_EQ(params[2].Name, "y");
            EXPECT_EQ(params[3].Name, "Width");
            EXPECT_EQ(params[4].Name, "Height");
        }
    }
}

TEST(ShippedKeywords, TextParametersCarryTheNamesTheEditorLooksFor) {
    std::map<std::string, std::string> fifth;  // call -> name of its sixth parameter
    for (const sKeyWord& kw : shippedTable()) {
        ElementList list;
        scanLines(CodeText(kw.KeyWord + "()"), shippedTable(), list);
        if (list.count() == 1 && list[0].Parameters.size() > 5)
            fifth[asciiLower(kw.KeyWord)] = list[0].Parameters[5].Name;
        if (asciiLower(kw.KeyWord) == "createstatusbar") {
            ASSERT_EQ(list[0].Parameters.size(), 2u);
            EXPECT_EQ(list[0].Parameters[1].Name, "ParentWindowID");
        }
    }
    EXPECT_EQ(fifth["openwindow"], "Title");
    for (const char* call : {"buttongadget", "checkboxgadget", "framegadget", "hyperlinkgadget",
                             "optiongadget", "stringgadget", "textgadget"}) {
        EXPECT_EQ(fifth[call], "Text") << call;
    }
}

}  // namespace
}  // namespace tessaly
