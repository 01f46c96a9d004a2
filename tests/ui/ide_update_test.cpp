#include <unistd.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/message_box_wx.h"
#include "ui_support.h"

namespace tessaly::test {
namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The editor saved the file after the tool read it: IDE Update asks, and nothing the editor wrote
// is lost unless the user says so.
class IdeUpdate : public ShellTest {};

TEST_F(IdeUpdate, AFileChangedMeanwhileIsWrittenOnlyAsTheUserChooses) {
    const std::string read = "; above\nButtonGadget(#B, 1, 2, 3, 4, \"a\")\n; below\n";
    const std::string edited = "ButtonGadget(#B, 9, 2, 3, 4, \"a\")";
    const std::string lineAdded = "; new line\n" + read;
    const std::string lineChanged = "; above\nButtonGadget(#B, 5, 2, 3, 4, \"a\")\n; below\n";
    const struct {
        const char* what;
        std::string onDisk;
        int answer;
        size_t answers;  // offered
        std::string after;
        bool ends;
    } cases[] = {
        {"into the changed file", lineAdded, 0, 3, "; new line\n; above\n" + edited + "\n; below\n",
         true},
        {"clipboard only", lineAdded, 1, 3, lineAdded, true},
        {"cancel", lineAdded, 2, 3, lineAdded, false},
        {"the lines changed too: no writing into it", lineChanged, 0, 2, lineChanged, true},
    };
    const std::string path = std::string(P_tmpdir) + "/tessaly-ide-update.pb";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(path, std::ios::binary) << read;
        ended = false;
        memory.text.clear();
        ideFile.emplace();
        std::string error;
        ASSERT_TRUE(ideFile->load(path, "2x1x2x5", error)) << error;
        startShell();
        std::ofstream(path, std::ios::binary) << c.onDisk;
        shell->replaceCodeLine(0, edited);
        std::vector<std::string> offered;
        const ChoiceBoxFunction old = setChoiceBoxFunction(
            [&](const std::string&, const std::string& text, const std::vector<std::string>& a) {
                EXPECT_NE(text.find(path), std::string::npos);
                offered = a;
                return c.answer;
            });
        shell->ideUpdate();
        setChoiceBoxFunction(old);
        EXPECT_EQ(offered.size(), c.answers);
        EXPECT_EQ(contents(path), c.after);
        EXPECT_EQ(ended, c.ends);
        EXPECT_EQ(memory.text, c.ends ? edited : "");
        TearDown();
    }
    unlink(path.c_str());
}

}  // namespace
}  // namespace tessaly::test
