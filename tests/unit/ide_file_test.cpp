#include "app/ide_file.h"
#include "app/ide_link.h"
#include "app/line_selection.h"
#include "app/message_text.h"
#include "app/safe_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

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
    EXPECT_EQ(error, "the folder '" + dir_.string() + "' does not exist");
    EXPECT_FALSE(fs::exists(dir_));

    // The file's place taken by a folder: the rename fails, the folder stays as it was.
    fs::create_directories(dir_ / "source.pb" / "inside");
    error.clear();
    EXPECT_FALSE(file.writeBack("B", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(entries(), 1u);
    EXPECT_TRUE(fs::exists(dir_ / "source.pb" / "inside"));
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The write-back keeps the file what it is. The table runs as root and, through
// write_back_as_users.sh, as the user nobody, who is given a root-owned file to try.
TEST(IdeWriteBack, KeepsOwnerGroupModeAndLinksOrLeavesTheFileAlone) {
    const bool root = geteuid() == 0;
    gid_t groups[64];  // a group of this user's besides its first, to give a file
    const int n = getgroups(64, groups);
    const gid_t mine = root ? 100 : n > 0 && groups[0] != getegid() ? groups[0] : getegid();
    const char* foreign = std::getenv("TESSALY_FOREIGN_FILE");
    enum Setup { Plain, Group, Foreign, HardLink, SymLink, ClosedFolder, LongName };
    enum Expect { Replaced, InPlace, Refused };
    const struct {
        Setup setup;
        mode_t mode;
        Expect asRoot, asUser;
        const char* reason;  // in the message of a refusal
    } rows[] = {
        {Plain, 0600, Replaced, Replaced, ""},
        {Group, 0640, Replaced, Replaced, ""},
        {Foreign, 0644, Replaced, Refused, "Permission denied"},  // another user's file
        {Plain, 0444, Refused, Refused, "read-only"},
        {HardLink, 0644, InPlace, InPlace, ""},
        {SymLink, 0644, Replaced, Replaced, ""},
        {ClosedFolder, 0644, Replaced, InPlace, ""},  // the super-user adds files anywhere
        {LongName, 0644, Replaced, Replaced, ""},     // 243 characters
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows << (root ? " as root" : ""));
        char folder[] = "/tmp/tessaly-write-back-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        const std::string dir = folder;
        std::string file =
            dir + (row.setup == LongName ? "/" + std::string(240, 'n') : "/a") + ".pb";
        std::ofstream(file, std::ios::binary) << "; above\nButtonGadget(0, 1, 2, 3, 4)\n";
        ASSERT_EQ(chmod(file.c_str(), row.mode), 0);
        std::string path = row.setup == Foreign && !root && foreign ? foreign : file;
        EXPECT_EQ(row.setup != Group ? 0 : chown(file.c_str(), uid_t(-1), mine), 0);
        EXPECT_EQ(row.setup != Foreign || !root ? 0 : chown(file.c_str(), 65534, 65534), 0);
        EXPECT_EQ(row.setup != HardLink ? 0 : link(file.c_str(), (dir + "/b.pb").c_str()), 0);
        EXPECT_EQ(row.setup != SymLink ? 0 : symlink("a.pb", (path = dir + "/b.pb").c_str()), 0);
        EXPECT_EQ(row.setup != ClosedFolder ? 0 : chmod(folder, 0555), 0);
        struct stat old = {}, now = {};
        ASSERT_EQ(stat(path.c_str(), &old), 0);
        const std::string had = contents(path);

        IdeFile ide;
        std::string error;
        ASSERT_TRUE(ide.load(path, "2x1x2x3", error)) << error;
        const bool written = ide.writeBack("ButtonGadget(0, 9, 2, 3, 4)", error);
        ASSERT_EQ(stat(path.c_str(), &now), 0);
        const Expect expect = root ? row.asRoot : row.asUser;
        EXPECT_EQ(written, expect != Refused) << error;
        EXPECT_TRUE(written || error.find(row.reason) != std::string::npos) << error;
        EXPECT_EQ(contents(path), written ? "; above\nButtonGadget(0, 9, 2, 3, 4)\n" : had);
        EXPECT_EQ(now.st_ino == old.st_ino, expect != Replaced);
        EXPECT_EQ(std::tie(now.st_mode, now.st_uid, now.st_gid, now.st_nlink),
                  std::tie(old.st_mode, old.st_uid, old.st_gid, old.st_nlink));
        EXPECT_TRUE(row.setup != HardLink || contents(dir + "/b.pb") == contents(path));
        EXPECT_TRUE(row.setup != SymLink || fs::is_symlink(path));
        chmod(folder, 0700);  // nothing but the file and its other names is left
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}),
                  row.setup == HardLink || row.setup == SymLink ? 2 : 1);
        fs::remove_all(dir);
    }
}

TEST(IdeWriteBack, AWriteThatFailsPartWayLeavesTheFileAsItWas) {
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, SIG_IGN);
    const std::string file = fs::temp_directory_path() / ("part-way-" + std::to_string(getpid()));
    for (const bool hardLink : {false, true}) {  // renamed, or written in place
        std::ofstream(file, std::ios::binary) << "a\nb\nc\n";
        EXPECT_EQ(hardLink ? link(file.c_str(), (file + "2").c_str()) : 0, 0);
        IdeFile ide;
        std::string error;
        ASSERT_TRUE(ide.load(file, "2x1x2x2", error));
        struct rlimit small = {40, old.rlim_max};  // the new text does not fit
        setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_FALSE(ide.writeBack(std::string(100, 'x'), error));
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_EQ(error, std::strerror(EFBIG));
        EXPECT_EQ(contents(file), "a\nb\nc\n");
    }
    fs::remove(file);
    fs::remove(file + "2");
}

TEST(IdeWriteBack, TheTemporaryNameFitsAndSameLinesAreFoundWhereTheyStandUnchanged) {
    EXPECT_EQ(temporaryName(std::string(250, 'n'), 255, 1).size(), 255u);
    EXPECT_EQ(temporaryName("\xC3\xA9\xC3\xA9\xC3\xA9", 26, 2),
              ".\xC3\xA9\xC3\xA9.tessaly-00000002.tmp");

    const std::string before = "a\nform1\nform2\nz\n";
    const struct {
        const char* after;
        std::optional<ByteRange> found;
    } cases[] = {
        {"new\na\nform1\nform2\nz\n", ByteRange{6, 17}},        // a line added above
        {"a\r\nform1\r\nform2\r\n", std::nullopt},              // breaks changed inside
        {"b\nform1\nform2\nform1\nform2\n", ByteRange{2, 13}},  // twice: the one at line 2
        {"x\nx\nform1\nform2\nform1\nform2\n", std::nullopt},   // twice, neither at line 2
    };
    for (const auto& c : cases)
        EXPECT_EQ(findSameLines(before, {2, 13}, c.after), c.found) << c.after;
}

TEST(MessageText, LongWordsAreBrokenToFitADialog) {
    EXPECT_EQ(breakLongWords("a path /abcdefgh/ij ok", 5), "a path /abcd\nefgh/\nij ok");
    EXPECT_EQ(breakLongWords("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9\n\xC3\xA9");
}

}  // namespace
}  // namespace tessaly
