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
#include <functional>
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

}  // namespace
}  // namespace tessaly

namespace tessaly {
namespace {

// The write-back keeps the file what it is. The table runs as root and, through
// write_back_as_users.sh, as the unprivileged user nobody, who is given a root-owned file to try.
class IdeWriteBack : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/tessaly-write-back-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override {
        chmod(dir_.c_str(), 0700);
        fs::remove_all(dir_);
    }
    static std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string dir_;
};

// A supplementary group of this user, else its own: a group a new file may be given.
gid_t otherGroupOfMine() {
    if (geteuid() == 0) return 100;
    gid_t groups[64];
    const int n = getgroups(64, groups);
    for (int i = 0; i < n; ++i) {
        if (groups[i] != getegid()) return groups[i];
    }
    return getegid();
}

TEST_F(IdeWriteBack, KeepsOwnerGroupModeLinksOrLeavesTheFileAlone) {
    const bool root = geteuid() == 0;
    enum class Expect { Replaced, InPlace, Refused };
    const struct Row {
        const char* what;
        mode_t mode;
        std::function<std::string(const std::string& file)> setUp;  // returns the path to open
        Expect asRoot, asUser;
        const char* reason;  // part of the message of a refusal
    } rows[] = {
        {"own file 0600", 0600, [](const std::string& f) { return f; }, Expect::Replaced,
         Expect::Replaced, ""},
        {"group of mine 0640", 0640,
         [](const std::string& f) {
             EXPECT_EQ(chown(f.c_str(), uid_t(-1), otherGroupOfMine()), 0);
             return f;
         },
         Expect::Replaced, Expect::Replaced, ""},
        {"another user's file 0644", 0644,
         [root](const std::string& f) {
             if (root) {
                 EXPECT_EQ(chown(f.c_str(), 65534, 65534), 0);
             }
             const char* foreign = std::getenv("TESSALY_FOREIGN_FILE");
             return root || !foreign ? f : std::string(foreign);
         },
         Expect::Replaced, Expect::Refused, "Permission denied"},
        {"read-only 0444", 0444, [](const std::string& f) { return f; }, Expect::Refused,
         Expect::Refused, "read-only"},
        {"hard link", 0644,
         [](const std::string& f) {
             EXPECT_EQ(link(f.c_str(), (f + ".other").c_str()), 0);
             return f;
         },
         Expect::InPlace, Expect::InPlace, ""},
        {"symbolic link", 0644,
         [](const std::string& f) {
             EXPECT_EQ(symlink("source.pb", (f + ".link").c_str()), 0);
             return f + ".link";
         },
         Expect::Replaced, Expect::Replaced, ""},
        {"folder that takes no new file", 0644,
         [](const std::string& f) {
             EXPECT_EQ(chmod(fs::path(f).parent_path().c_str(), 0555), 0);
             return f;
         },
         Expect::Replaced, Expect::InPlace, ""},  // the super-user may add files anywhere
        {"name of 243 characters", 0644,
         [](const std::string& f) {
             const std::string longName = fs::path(f).parent_path() / std::string(240, 'n');
             EXPECT_EQ(rename(f.c_str(), (longName + ".pb").c_str()), 0);
             return longName + ".pb";
         },
         Expect::Replaced, Expect::Replaced, ""},
    };
    const std::string before = "; above\nButtonGadget(0, 1, 2, 3, 4, \"a\")\n; below\n";
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.what) + (root ? " as root" : " as an unprivileged user"));
        const std::string file = dir_ + "/source.pb";
        std::ofstream(file, std::ios::binary) << before;
        ASSERT_EQ(chmod(file.c_str(), row.mode), 0);
        const std::string path = row.setUp(file);
        struct stat old {};
        ASSERT_EQ(stat(path.c_str(), &old), 0);
        const std::string had = contents(path);

        IdeFile ide;
        std::string error;
        ASSERT_TRUE(ide.load(path, "2x1x2x3", error)) << error;
        const bool written = ide.writeBack("ButtonGadget(0, 9, 2, 3, 4, \"a\")", error);
        struct stat now {};
        ASSERT_EQ(stat(path.c_str(), &now), 0);
        const Expect expect = root ? row.asRoot : row.asUser;
        if (expect == Expect::Refused) {
            EXPECT_FALSE(written);
            EXPECT_NE(error.find(row.reason), std::string::npos) << error;
            EXPECT_EQ(contents(path), had);
            EXPECT_EQ(now.st_ino, old.st_ino);
        } else {
            EXPECT_TRUE(written) << error;
            EXPECT_EQ(contents(path), "; above\nButtonGadget(0, 9, 2, 3, 4, \"a\")\n; below\n");
            EXPECT_EQ(now.st_ino == old.st_ino, expect == Expect::InPlace);
        }
        EXPECT_EQ(now.st_mode, old.st_mode);
        EXPECT_EQ(now.st_uid, old.st_uid);
        EXPECT_EQ(now.st_gid, old.st_gid);
        EXPECT_EQ(now.st_nlink, old.st_nlink);
        if (fs::exists(file + ".other")) {
            EXPECT_EQ(contents(file + ".other"), contents(path));
        }
        if (fs::exists(file + ".link")) {
            EXPECT_TRUE(fs::is_symlink(file + ".link"));
        }
        // Nothing but the file and its other names.
        for (const auto& entry : fs::directory_iterator(dir_)) {
            EXPECT_EQ(entry.path().filename().string().find(".tessaly-"), std::string::npos);
        }
        TearDown();
        SetUp();
    }
}

TEST_F(IdeWriteBack, AWriteThatFailsPartWayLeavesTheFileAsItWas) {
    // The file may grow no further than 40 bytes: the new text does not fit.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, SIG_IGN);
    for (const bool hardLink : {false, true}) {
        SCOPED_TRACE(hardLink ? "written in place" : "written beside and renamed");
        const std::string file = dir_ + (hardLink ? "/linked.pb" : "/source.pb");
        std::ofstream(file, std::ios::binary) << "a\nb\nc\n";
        if (hardLink) {
            ASSERT_EQ(link(file.c_str(), (file + ".other").c_str()), 0);
        }
        IdeFile ide;
        std::string error;
        ASSERT_TRUE(ide.load(file, "2x1x2x2", error));
        struct rlimit small = old;
        small.rlim_cur = 40;
        setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_FALSE(ide.writeBack(std::string(100, 'x'), error));
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_EQ(error, std::strerror(EFBIG));
        EXPECT_EQ(contents(file), "a\nb\nc\n");
    }
    signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
}

TEST(TemporaryName, FitsBesideANameNearTheLimit) {
    EXPECT_EQ(temporaryName("form.pb", 255, 0xBEEF), ".form.pb.tessaly-0000beef.tmp");
    const std::string longName(250, 'n');
    EXPECT_EQ(temporaryName(longName, 255, 1).size(), 255u);
    // Cut between characters, never inside one.
    EXPECT_EQ(temporaryName("\xC3\xA9\xC3\xA9\xC3\xA9", 26, 2),
              ".\xC3\xA9\xC3\xA9.tessaly-00000002.tmp");
}

TEST(SameLines, AreFoundWhereTheyStandUnchangedOrNotAtAll) {
    const std::string before = "a\nform1\nform2\nz\n";
    const ByteRange form{2, 13};  // "form1\nform2"
    const struct {
        const char* after;
        std::optional<ByteRange> found;
    } cases[] = {
        {"new\na\nform1\nform2\nz\n", ByteRange{6, 17}},        // a line added above
        {"a\nform1\nform2\nz\nmore\n", ByteRange{2, 13}},       // one added below
        {"a\r\nform1\r\nform2\r\n", std::nullopt},              // breaks changed inside
        {"a\nform1\nform2 changed\nz\n", std::nullopt},         // the lines themselves changed
        {"a\nxform1\nform2\nz\n", std::nullopt},                // not at a line's start
        {"b\nform1\nform2\nform1\nform2\n", ByteRange{2, 13}},  // twice: the one at line 2
        {"x\nx\nform1\nform2\nform1\nform2\n", std::nullopt},   // twice, neither at line 2
    };
    for (const auto& c : cases) EXPECT_EQ(findSameLines(before, form, c.after), c.found) << c.after;
}

TEST(MessageText, LongWordsAreBrokenToFitADialog) {
    EXPECT_EQ(breakLongWords("a path /abcdefgh/ij ok", 5), "a path /abcd\nefgh/\nij ok");
    EXPECT_EQ(breakLongWords("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9\n\xC3\xA9");
    EXPECT_EQ(breakLongWords("short words\nstay", 5), "short words\nstay");
}

}  // namespace
}  // namespace tessaly
