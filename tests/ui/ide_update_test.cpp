#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/message_box_wx.h"
#include "ui_support.h"

namespace tessaly::test {
namespace {

class IdeUpdate : public ShellTest {};

// The editor saved the file after the tool read it: IDE Update asks, and nothing the editor wrote
// is lost unless the user says so.
TEST_F(IdeUpdate, AFileChangedMeanwhileIsWrittenOnlyAsTheUserChooses) {
    const std::string read = "; above\nButtonGadget(#B, 1, 2, 3, 4, \"a\")\n";
    const std::string edited = "ButtonGadget(#B, 9, 2, 3, 4, \"a\")";
    const std::string added = "; new line\n" + read;
    const std::string changed = "; above\nButtonGadget(#B, 5, 2, 3, 4, \"a\")\n";
    const struct {
        std::string onDisk;
        int answer;
        size_t offered;
        std::string after;
        bool ends;
    } cases[] = {
        {added, 0, 3, "; new line\n; above\n" + edited + "\n", true},  // into the changed file
        {added, 1, 3, added, true},                                    // clipboard only
        {added, 2, 3, added, false},                                   // cancel
        {changed, 0, 2, changed, true},  // the lines changed too: clipboard only or cancel
    };
    const std::string path = std::string(P_tmpdir) + "/tessaly-ide-update.pb";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        std::ofstream(path, std::ios::binary) << read;
        ended = false;
        memory.text = "";
        std::string error;
        ASSERT_TRUE(ideFile.emplace().load(path, "2x1x2x5", error)) << error;
        startShell();
        std::ofstream(path, std::ios::binary) << c.onDisk;
        shell->replaceCodeLine(0, edited);
        size_t offered = 0;
        const ChoiceBoxFunction old = setChoiceBoxFunction(
            [&](const std::string&, const std::string& text, const std::vector<std::string>& a) {
                EXPECT_NE(text.find(path), std::string::npos);
                offered = a.size();
                return c.answer;
            });
        shell->ideUpdate();
        setChoiceBoxFunction(old);
        EXPECT_EQ(offered, c.offered);
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.after);
        EXPECT_EQ(ended, c.ends);
        EXPECT_EQ(memory.text, c.ends ? edited : "");
        TearDown();
    }
    unlink(path.c_str());
}

}  // namespace
}  // namespace tessaly::test
