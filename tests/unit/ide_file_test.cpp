#include "app/ide_file.h"
#include "app/ide_link.h"
#include "app/line_selection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tessaly {
namespace {

TEST(EditorVariable, IsANumberTextOfWhichTheLow32BitsCount) {
    const struct {
        const char* text;
        uint32_t handle;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"not a number", 0},
        {"  \t131108", 131108},
        {"+66060", 66060},
        {"$2013A", 0x2013A},
        {"$2013aXYZ", 0x2013A},
        {"%1000", 8},
        {"4294967297", 1},           // 2^32 + 1
        {"$7_0001_0002", 7},         // stops at '_'
        {"$700010002", 0x00010002},  // bits above the low 32 dropped
        {"-1", 0xFFFFFFFF},
        {"99999999999999999999", 0xFFFFFFFF},  // saturates at the largest 64-bit value
    };
    for (const auto& c : cases) EXPECT_EQ(editorHandleFrom(c.text), c.handle) << c.text;
}

TEST(Selection, ParsesFourNumbersOfAtLeastOne) {
    const std::optional<TextSelection> s = parseSelection("15x1x16x5");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->lineStart, 15);
    EXPECT_EQ(s->columnStart, 1);
    EXPECT_EQ(s->lineEnd, 16);
    EXPECT_EQ(s->columnEnd, 5);
    EXPECT_EQ(parseSelection("1x1x99999999999999999999x1")->lineEnd, INT64_MAX);
    for (const char* bad :
         {"", "15x1x16", "15x1x16x5x1", "0x1x2x1", "1x1x2x0", "a x1x2x1", " 1x1x2x1", "1x1x2x1 ",
          "1X1X2X1", "1x1x-2x1", "1x1x+2x1", "1xx2x1", "1x1x2x"}) {
        EXPECT_FALSE(parseSelection(bad)) << bad;
    }
}

// Five lines in each break style; the last one has no break of its own.
const std::string kBreaks[] = {"\r\n", "\n", "\r"};

std::string fiveLines(const std::string& br) {
    return "a" + br + "bb" + br + "ccc" + br + "dddd" + br + "eeeee";
}

std::string selected(const std::string& text, const std::string& selection) {
    const ByteRange r = selectedLines(text, selection);
    return text.substr(r.begin, r.end - r.begin);
}

TEST(Selection, TakesWholeLinesInEveryBreakStyle) {
    for (const std::string& br : kBreaks) {
        const std::string text = fiveLines(br);
        SCOPED_TRACE(testing::PrintToString(br));
        EXPECT_EQ(selected(text, "2x2x2x3"), "bb");  // part of one line
        EXPECT_EQ(selected(text, "2x1x4x2"), "bb" + br + "ccc" + br + "dddd");
        EXPECT_EQ(selected(text, "2x1x4x1"), "bb" + br + "ccc");  // ends in column 1
        EXPECT_EQ(selected(text, "2x3x3x1"), "bb");
        EXPECT_EQ(selected(text, "3x1x3x4"), "ccc");  // column 1 on the same line
        EXPECT_EQ(selected(text, "4x2x2x1"), "bb" + br + "ccc" + br + "dddd");  // made backwards
        EXPECT_EQ(selected(text, "4x3x5x6"), "dddd" + br + "eeeee");  // to the end, no final break
        EXPECT_EQ(selected(text, "5x1x9x1"), "eeeee");                // past the end: clamped
        EXPECT_EQ(selected(text, "7x1x9x4"), "eeeee");
        // No selection, a malformed one, or one that starts where it ends: the whole text.
        for (const char* whole : {"", "2x1x4", "3x2x3x2", "x"}) {
            EXPECT_EQ(selected(text, whole), text) << whole;
        }
    }
}

TEST(Selection, EmptyLinesAndAFinalBreakCountAsLines) {
    EXPECT_EQ(selected("a\n\nb\n", "2x1x2x1"), "a\n\nb\n");  // caret only: whole text
    EXPECT_EQ(selectedLines("a\n\nb\n", "2x1x3x1"), (ByteRange{2, 2}));
    EXPECT_EQ(selectedLines("a\n\nb\n", "4x1x4x2"), (ByteRange{5, 5}));  // the empty last line
    EXPECT_EQ(selectedLines("", "1x1x3x3"), (ByteRange{0, 0}));
    EXPECT_EQ(selected("a\r\n\r\nb", "1x1x3x2"), "a\r\n\r\nb");
    EXPECT_EQ(selected("a\n\rb", "2x1x3x2"), "\rb");  // LF then CR: two breaks
}

TEST(Selection, ReplacingTheLinesKeepsEveryOtherByte) {
    for (const std::string& br : kBreaks) {
        const std::string text = fiveLines(br);
        const ByteRange r = selectedLines(text, "2x1x3x2");
        EXPECT_EQ(replaceRange(text, r, "X"), "a" + br + "X" + br + "dddd" + br + "eeeee");
        EXPECT_EQ(replaceRange(text, selectedLines(text, "5x1x5x3"), "E" + br),
                  "a" + br + "bb" + br + "ccc" + br + "dddd" + br + "E" + br);
        EXPECT_EQ(replaceRange(text, selectedLines(text, ""), "all"), "all");
    }
}

class IdeFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tessaly-ide-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir_);
    }
    std::string write(const std::string& text) {
        const std::string path = (dir_ / "source.pb").string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    size_t entries() {
        return size_t(std::distance(std::filesystem::directory_iterator(dir_),
                                    std::filesystem::directory_iterator()));
    }
    std::filesystem::path dir_;
};

TEST_F(IdeFileTest, WritesBackTheSelectedLinesAndKeepsTheRest) {
    const std::string before = "; Ünïcode \xff\r\nOpenWindow(0, 0, 0, 300, 200, \"T\")\r\n";
    const std::string after = "\r\nButtonGadget(1, 1, 2, 3, 4, \"b\")\r\n; end without break";
    const std::string path = write(before + "ButtonGadget(0, 1, 2, 3, 4, \"a\")" + after);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    IdeFile file;
    std::string error;
    ASSERT_TRUE(file.load(path, "3x5x4x1", error)) << error;
    EXPECT_EQ(file.path(), path);
    EXPECT_EQ(file.code(), "ButtonGadget(0, 1, 2, 3, 4, \"a\")");
    ASSERT_TRUE(file.writeBack("ButtonGadget(0, 9, 2, 3, 4, \"a\")", error)) << error;
    EXPECT_EQ(read(path), before + "ButtonGadget(0, 9, 2, 3, 4, \"a\")" + after);
    EXPECT_EQ(entries(), 1u);  // no temporary file left over
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST_F(IdeFileTest, AWriteThatCannotSucceedSaysWhyAndLeavesNothingBehind) {
    IdeFile file;
    std::string error;
    ASSERT_TRUE(file.load(write("a\nb\n"), "2x1x2x2", error));
    std::filesystem::remove_all(dir_);
    EXPECT_FALSE(file.writeBack("B", error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(dir_));

    // The file's place taken by a folder: the rename fails, the folder stays as it was.
    std::filesystem::create_directories(dir_ / "source.pb" / "inside");
    error.clear();
    EXPECT_FALSE(file.writeBack("B", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(entries(), 1u);
    EXPECT_TRUE(std::filesystem::exists(dir_ / "source.pb" / "inside"));
}

TEST_F(IdeFileTest, AMissingFileCannotBeLoaded) {
    IdeFile file;
    std::string error;
    EXPECT_FALSE(file.load((dir_ / "missing.pb").string(), "", error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(file.load(dir_.string(), "", error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
}

TEST_F(IdeFileTest, ALinkKeepsLeadingToTheFileThatGetsTheText) {
    const std::string target = write("x\ny\n");
    const std::filesystem::path link = dir_ / "link.pb";
    std::filesystem::create_symlink(target, link);
    IdeFile file;
    std::string error;
    ASSERT_TRUE(file.load(link.string(), "1x1x1x2", error));
    ASSERT_TRUE(file.writeBack("X", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(read(target), "X\ny\n");
}

}  // namespace
}  // namespace tessaly
