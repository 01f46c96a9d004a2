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

namespace fs = std::filesystem;

TEST(EditorVariable, IsANumberTextOfWhichTheLow32BitsCount) {
    const struct {
        const char* text;
        uint32_t handle;
    } cases[] = {
        {"", 0},
        {"no number", 0},
        {"  \t131108", 131108},
        {"$2013aXYZ", 0x2013A},
        {"%1000", 8},
        {"4294967297", 1},  // 2^32 + 1
        {"$700010002", 0x00010002},
        {"-1", 0xFFFFFFFF},
        {"99999999999999999999", 0xFFFFFFFF},  // saturates at the largest 64-bit value
    };
    for (const auto& c : cases) EXPECT_EQ(editorHandleFrom(c.text), c.handle) << c.text;
}

TEST(Selection, ParsesFourNumbersOfAtLeastOne) {
    const std::optional<TextSelection> s = parseSelection("15x1x16x5");
    ASSERT_TRUE(s);
    EXPECT_EQ(std::vector<int64_t>({s->lineStart, s->columnStart, s->lineEnd, s->columnEnd}),
              std::vector<int64_t>({15, 1, 16, 5}));
    EXPECT_EQ(parseSelection("1x1x99999999999999999999x1")->lineEnd, INT64_MAX);
    for (const char* bad : {"", "15x1x16", "15x1x16x5x1", "0x1x2x1", "1x1x2x0", " 1x1x2x1",
                            "1X1X2X1", "1x1x-2x1", "1x1x+2x1", "1xx2x1", "1x1x2x"}) {
        EXPECT_FALSE(parseSelection(bad)) << bad;
    }
}

std::string selected(const std::string& text, const std::string& selection) {
    const ByteRange r = selectedLines(text, selection);
    return text.substr(r.begin, r.end - r.begin);
}

TEST(Selection, TakesWholeLinesInEveryBreakStyle) {
    for (const std::string br : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(br));
        // Five lines; the last one has no break of its own.
        const std::string text = "a" + br + "bb" + br + "ccc" + br + "dddd" + br + "eeeee";
        EXPECT_EQ(selected(text, "2x2x2x3"), "bb");
        EXPECT_EQ(selected(text, "2x1x4x2"), "bb" + br + "ccc" + br + "dddd");
        EXPECT_EQ(selected(text, "2x1x4x1"), "bb" + br + "ccc");  // ends in column 1
        EXPECT_EQ(selected(text, "3x1x3x4"), "ccc");              // column 1 of the same line
        EXPECT_EQ(selected(text, "4x2x2x1"), "bb" + br + "ccc" + br + "dddd");  // made backwards
        EXPECT_EQ(selected(text, "4x3x5x6"), "dddd" + br + "eeeee");  // to the end, no final break
        EXPECT_EQ(selected(text, "5x1x9x1"), "eeeee");                // past the end: clamped
        EXPECT_EQ(selected(text, "7x1x9x4"), "eeeee");
        // No selection, a malformed one, or one that starts where it ends: the whole text.
        for (const char* whole : {"", "2x1x4", "3x2x3x2"}) EXPECT_EQ(selected(text, whole), text);

        // Replacing the lines keeps every other byte.
        EXPECT_EQ(replaceRange(text, selectedLines(text, "2x1x3x2"), "X"),
                  "a" + br + "X" + br + "dddd" + br + "eeeee");
        EXPECT_EQ(replaceRange(text, selectedLines(text, "5x1x5x3"), "E" + br),
                  "a" + br + "bb" + br + "ccc" + br + "dddd" + br + "E" + br);
    }
    // Empty lines and the empty line after a final break count as lines.
    EXPECT_EQ(selectedLines("a\n\nb\n", "2x1x3x1"), (ByteRange{2, 2}));
    EXPECT_EQ(selectedLines("a\n\nb\n", "4x1x4x2"), (ByteRange{5, 5}));
    EXPECT_EQ(selectedLines("", "1x1x3x3"), (ByteRange{0, 0}));
    EXPECT_EQ(selected("a\n\rb", "2x1x3x2"), "\rb");  // LF then CR: two breaks
}

class IdeFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tessaly-ide-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "source.pb").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string read() {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    size_t entries() {
        return size_t(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    fs::path dir_;
    std::string path_;
};

TEST_F(IdeFileTest, WritesBackTheSelectedLinesAndKeepsTheRest) {
    const std::string before = "; Ünïcode \xff\r\nOpenWindow(0, 0, 0, 300, 200, \"T\")\r\n";
    const std::string after = "\r\nButtonGadget(1, 1, 2, 3, 4, \"b\")\r\n; end without break";
    std::ofstream(path_, std::ios::binary) << before + "ButtonGadget(0, 1, 2, 3, 4, \"a\")" + after;
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path_, perms);
    IdeFile file;
    std::string error;
    ASSERT_TRUE(file.load(path_, "3x5x4x1", error)) << error;
    EXPECT_EQ(file.code(), "ButtonGadget(0, 1, 2, 3, 4, \"a\")");
    ASSERT_TRUE(file.writeBack("ButtonGadget(0, 9, 2, 3, 4, \"a\")", error)) << error;
    EXPECT_EQ(read(), before + "ButtonGadget(0, 9, 2, 3, 4, \"a\")" + after);
    EXPECT_EQ(entries(), 1u);  // no temporary file left over
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all, perms);
}

TEST_F(IdeFileTest, ReadingOrWritingThatCannotSucceedSaysWhyAndLeavesNothingBehind) {
    IdeFile file;
    std::string error;
    EXPECT_FALSE(file.load(path_, "", error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;

    std::ofstream(path_, std::ios::binary) << "a\nb\n";
    ASSERT_TRUE(file.load(path_, "2x1x2x2", error));
    fs::remove_all(dir_);
    EXPECT_FALSE(file.writeBack("B", error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(dir_));

    // The file's place taken by a folder: the rename fails, the folder stays as it was.
    fs::create_directories(dir_ / "source.pb" / "inside");
    error.clear();
    EXPECT_FALSE(file.writeBack("B", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(entries(), 1u);
    EXPECT_TRUE(fs::exists(dir_ / "source.pb" / "inside"));
}

}  // namespace
}  // namespace tessaly
