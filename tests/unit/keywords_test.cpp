#include "form/keywords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace tessaly {
namespace {

TEST(KeywordTable, ReadsEntriesInFileOrderWithMembersInAnyCase) {
    const KeywordLoad load = parseKeywordTable(R"([
        {"KeyWord": "ButtonGadget", "Item": "a, b, Gadget, x", "Flags": "#A|#B", "Sort": 1},
        {"keyword": "OpenWindow", "ITEM": "a, b, Window", "fLaGs": "", "sOrT": 0},
        {"KEYWORD": "AddGadgetItem", "Sort": 2, "Unused": [1, 2]}
    ])");
    ASSERT_TRUE(load.ok) << load.error;
    ASSERT_EQ(load.table.size(), 3u);
    EXPECT_EQ(load.table[0].KeyWord, "ButtonGadget");
    EXPECT_EQ(load.table[0].Item, "a, b, Gadget, x");
    EXPECT_EQ(load.table[0].Flags, "#A|#B");
    EXPECT_EQ(load.table[0].Sort, 1);
    EXPECT_EQ(load.table[1].KeyWord, "OpenWindow");
    EXPECT_EQ(load.table[1].Item, "a, b, Window");
    EXPECT_EQ(load.table[2].Sort, 2);
    EXPECT_EQ(load.table[2].Item, "");
}

TEST(KeywordTable, ConvertsMembersOfTheWrongType) {
    const KeywordLoad load = parseKeywordTable(R"([
        {"KeyWord": 42, "Item": -7, "Flags": 1.5, "Sort": "$2"},
        {"KeyWord": true, "Item": null, "Flags": ["x"], "Sort": 2.9},
        {"KeyWord": "X", "Sort": true},
        {"KeyWord": "Y", "Sort": 99999999999},
        {"KeyWord": "Z", "Sort": -99999999999},
        {"KeyWord": "W", "Sort": "  12abc"},
        {"KeyWord": "V", "Sort": {"a": 1}}
    ])");
    ASSERT_TRUE(load.ok);
    ASSERT_EQ(load.table.size(), 7u);
    EXPECT_EQ(load.table[0].KeyWord, "42");
    EXPECT_EQ(load.table[0].Item, "-7");
    EXPECT_EQ(load.table[0].Flags, "1.5");
    EXPECT_EQ(load.table[0].Sort, 2);
    EXPECT_EQ(load.table[1].KeyWord, "true");
    EXPECT_EQ(load.table[1].Item, "");
    EXPECT_EQ(load.table[1].Flags, "");
    EXPECT_EQ(load.table[1].Sort, 2);
    EXPECT_EQ(load.table[2].Sort, 1);
    EXPECT_EQ(load.table[3].Sort, 2147483647);
    EXPECT_EQ(load.table[4].Sort, -2147483647 - 1);
    EXPECT_EQ(load.table[5].Sort, 12);
    EXPECT_EQ(load.table[6].Sort, 0);
}

TEST(KeywordTable, NonObjectsGiveEmptyEntriesAndOtherShapesAnEmptyTable) {
    KeywordLoad load = parseKeywordTable(R"([1, "text", null, {"KeyWord": "A"}])");
    ASSERT_TRUE(load.ok);
    ASSERT_EQ(load.table.size(), 4u);
    EXPECT_EQ(load.table[0].KeyWord, "");
    EXPECT_EQ(load.table[3].KeyWord, "A");

    load = parseKeywordTable("[]");
    EXPECT_TRUE(load.ok);
    EXPECT_TRUE(load.table.empty());

    load = parseKeywordTable(R"({"KeyWord": "A"})");
    EXPECT_TRUE(load.ok);
    EXPECT_TRUE(load.table.empty());
    EXPECT_FALSE(load.error.empty());
}

TEST(KeywordTable, InvalidJsonIsAnErrorWithAReason) {
    for (const char* text : {"", "[", "[{\"KeyWord\": }]", "not json", "[1,]", "\xff\xfe"}) {
        const KeywordLoad load = parseKeywordTable(text);
        EXPECT_FALSE(load.ok) << text;
        EXPECT_TRUE(load.table.empty());
        EXPECT_FALSE(load.error.empty());
    }
}

TEST(KeywordTable, DuplicateMembersInDifferentCaseTakeTheFirst) {
    const KeywordLoad load = parseKeywordTable(R"([{"keyword": "First", "KeyWord": "Second"}])");
    ASSERT_EQ(load.table.size(), 1u);
    EXPECT_EQ(load.table[0].KeyWord, "First");
}

class KeywordFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tessaly-kw-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_ / "work");
        std::filesystem::create_directories(dir_ / "bin");
        saved_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_ / "work");
    }
    void TearDown() override {
        std::filesystem::current_path(saved_);
        std::filesystem::remove_all(dir_);
    }
    void write(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::filesystem::path dir_;
    std::filesystem::path saved_;
};

TEST_F(KeywordFiles, WorkingDirectoryComesFirst) {
    write(dir_ / "work" / "keywords.json", R"([{"KeyWord": "Local"}])");
    write(dir_ / "bin" / "keywords.json", R"([{"KeyWord": "Installed"}])");
    const KeywordLoad load = loadKeywordTableWithFallback((dir_ / "bin").string());
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.table.at(0).KeyWord, "Local");
}

TEST_F(KeywordFiles, MissingOrBrokenLocalFileFallsBackToTheInstalledCopy) {
    write(dir_ / "bin" / "keywords.json", R"([{"KeyWord": "Installed"}])");
    KeywordLoad load = loadKeywordTableWithFallback((dir_ / "bin").string());
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.table.at(0).KeyWord, "Installed");

    write(dir_ / "work" / "keywords.json", "[{broken");
    load = loadKeywordTableWithFallback((dir_ / "bin").string());
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.table.at(0).KeyWord, "Installed");
}

TEST_F(KeywordFiles, BothFailingGivesAnEmptyTableAndNamesEveryFile) {
    write(dir_ / "work" / "keywords.json", "{oops");
    const KeywordLoad load = loadKeywordTableWithFallback((dir_ / "bin").string());
    EXPECT_FALSE(load.ok);
    EXPECT_TRUE(load.table.empty());
    EXPECT_NE(load.error.find("keywords.json: "), std::string::npos);
    EXPECT_NE(load.error.find((dir_ / "bin" / "keywords.json").string()), std::string::npos);
    EXPECT_NE(load.error.find("No such file"), std::string::npos);
}

TEST_F(KeywordFiles, AFolderInPlaceOfTheFileIsUnreadable) {
    std::filesystem::create_directories(dir_ / "work" / "keywords.json");
    const KeywordLoad load = loadKeywordFile("keywords.json");
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.error, "is a folder, not a file");
}

}  // namespace
}  // namespace tessaly
