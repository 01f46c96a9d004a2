#include "app/message_box_wx.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tessaly::test {
namespace {

TEST(MessageBox, AReplacedFunctionReceivesTitleAndTextAndCanBeRestored) {
    std::vector<std::pair<std::string, std::string>> shown;
    MessageBoxFunction old =
        setMessageBoxFunction([&shown](const std::string& title, const std::string& text) {
            shown.emplace_back(title, text);
        });
    showMessageBox("Information", "Scintilla is not init");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, "Information");
    EXPECT_EQ(shown[0].second, "Scintilla is not init");
    MessageBoxFunction mine = setMessageBoxFunction(std::move(old));
    ASSERT_TRUE(mine);
    mine("again", "x");  // the returned function is the replaced one
    EXPECT_EQ(shown.size(), 2u);
}

}  // namespace
}  // namespace tessaly::test
