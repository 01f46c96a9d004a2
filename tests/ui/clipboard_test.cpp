#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/textctrl.h>

#include "app/clipboard_wx.h"
#include "app/main_layout.h"
#include "ui/utf8_wx.h"
#include "ui_support.h"

namespace tessaly::test {
namespace {

using namespace main_window;

const char* const kForm =
    "OpenWindow(#Win, 0, 0, 320, 170, \"Log in\", #PB_Window_SystemMenu)\r\n"
    "ButtonGadget(#Ok, 120, 130, 90, 28, \"OK\")\r\n"
    "ButtonGadget(#Cancel, 220, 130, 90, 28, \"Cancel\")\r\n";

class ClipboardTest : public ShellTest {
  protected:
    void startOnRealClipboard() { startShell(std::nullopt, &real); }
    std::string codeView() {
        return fromWx(static_cast<wxTextCtrl*>(control(kCodeView))->GetValue());
    }
    wxChoice* picker() { return static_cast<wxChoice*>(control(kPicker)); }
    // A Paste from the real clipboard is answered from the event loop.
    void pasteAndWait(bool waits = false) {
        shell->paste();
        EXPECT_TRUE(!waits || shell->pasting());
        EXPECT_TRUE(pumpUntil([this] { return !shell->pasting(); }, kClipboardWaitMs + 2000));
    }
    WxClipboard real;
};

TEST_F(ClipboardTest, StartUpReadsTheClipboardAndPasteReplacesTheCode) {
    putWithXclip(kForm);
    startOnRealClipboard();
    EXPECT_EQ(codeView(), kForm);
    ASSERT_EQ(picker()->GetCount(), 3u);
    EXPECT_EQ(picker()->GetString(1), "#Ok :: ButtonGadget");
    EXPECT_EQ(picker()->GetSelection(), 0);
    EXPECT_TRUE(picker()->IsEnabled());

    putWithXclip("ButtonGadget(#Only, 1, 2, 3, 4, \"x\")");
    edits.calls.clear();
    pasteAndWait();
    EXPECT_EQ(codeView(), "ButtonGadget(#Only, 1, 2, 3, 4, \"x\")");
    ASSERT_EQ(picker()->GetCount(), 1u);
    EXPECT_EQ(shell->elements().count(), 1);
    const std::vector<std::string> reading = {"reset", "show 0"};
    EXPECT_EQ(edits.calls, reading);
}

TEST_F(ClipboardTest, CopyGivesBackExactlyTheBytesPastedWithCrLf) {
    startOnRealClipboard();
    putWithXclip(kForm);
    pasteAndWait();
    emptyClipboard();
    shell->copy();
    EXPECT_EQ(readWithXclip(), kForm);
}

TEST_F(ClipboardTest, APasteThatGetsNoTextChangesNothingAndSaysWhy) {
    putWithXclip(kForm);
    startOnRealClipboard();
    const auto unchanged = [this](const char* why) {
        const std::string status = fromWx(control(kStatusLine)->GetLabel());
        EXPECT_NE(status.find(why), std::string::npos) << status;
        EXPECT_EQ(codeView(), kForm);
        EXPECT_EQ(picker()->GetCount(), 3u);
    };
    emptyClipboard();
    pasteAndWait();
    unchanged("the clipboard is empty");
    putWithXclip(std::string(kMaxClipboardText + 1, ';'));
    pasteAndWait();
    unchanged("larger than 2 MiB");

    // An owner that never answers: the command returns at once, and the Paste gives up later.
    const std::function<void()> release = takeClipboardSilently();
    pasteAndWait(true);
    unchanged("did not answer");
    release();

    // An empty text is a text: it empties the form, and Copy gives it back.
    putWithXclip("");
    pasteAndWait();
    EXPECT_TRUE(codeView().empty() && picker()->GetCount() == 0 && !picker()->IsEnabled());
    shell->copy();
    EXPECT_EQ(readWithXclip(), "");
    EXPECT_EQ(real.getText(), "");
}

TEST_F(ClipboardTest, OneMegabyteTravelsBothWays) {
    std::string big;
    for (int i = 0; big.size() < 1024 * 1024; ++i) {
        big += "; line " + std::to_string(i) + " \xC3\xA9\xE2\x82\xAC of a long comment block\r\n";
    }
    startOnRealClipboard();
    putWithXclip(big);
    pasteAndWait();
    EXPECT_EQ(codeView().size(), big.size());
    EXPECT_TRUE(codeView() == big);
    putWithXclip("something else");
    shell->copy();
    const std::string back = readWithXclip();
    EXPECT_EQ(back.size(), big.size());
    EXPECT_TRUE(back == big);
}

TEST_F(ClipboardTest, UnicodeTextRoundTripsThroughTheSeam) {
    startOnRealClipboard();
    const std::string text =
        "TextGadget(#T, 1, 2, 3, 4, \"Gr\xC3\xBC\xC3\x9F\x65 \xE2\x9C\x93\")\n";
    real.putText(text);
    EXPECT_EQ(real.getText(), text);
    EXPECT_EQ(readWithXclip(), text);
}

TEST_F(ClipboardTest, StartingFromAFileLeavesTheClipboardAlone) {
    startShell(std::string("TextGadget(#T, 1, 2, 3, 4, \"file\")\n"));
    EXPECT_EQ(codeView(), "TextGadget(#T, 1, 2, 3, 4, \"file\")\n");
    EXPECT_EQ(memory.puts, 0);
    EXPECT_EQ(picker()->GetCount(), 1u);
}

// A Latin-1 file with a NUL byte: the toolkit takes neither; every byte must come back.
// (It also holds one of the private characters that carry such bytes through the toolkit.)
const std::string kHostileBytes =
    std::string("; caf\xE9 \xF3\xB0\x80\x80\nButtonGadget(#B, 1, 2, 3, 4, \"") + '\0' + "\xFF\")\n";

TEST_F(ClipboardTest, AFileThatIsNotUtf8OrHoldsNulIsKeptByteForByte) {
    startShell(kHostileBytes, &real);
    EXPECT_TRUE(codeView() == kHostileBytes);
    EXPECT_EQ(picker()->GetCount(), 1u);
    shell->copy();
    EXPECT_TRUE(readWithXclip() == kHostileBytes);
}

TEST_F(ClipboardTest, PasteAndCopyCarryBytesThatAreNotUtf8) {
    startOnRealClipboard();
    putWithXclip(kHostileBytes);
    pasteAndWait();
    EXPECT_TRUE(codeView() == kHostileBytes);
    emptyClipboard();
    shell->copy();
    EXPECT_TRUE(readWithXclip() == kHostileBytes);
}

TEST_F(ClipboardTest, AnEditorHandleEmptiesTheClipboardAndSwapsTheButtons) {
    memory.text = "old content";
    startShell(std::string("ignored file"), nullptr, "$1F");
    EXPECT_EQ(shell->editorHandle(), 31u);
    EXPECT_FALSE(control(kPasteButton)->IsShown());
    EXPECT_TRUE(control(kIdeUpdateButton)->IsShown());
    EXPECT_EQ(editor.calls, std::vector<std::string>{"copy 31"});
    // The editor copied nothing: the form starts empty instead of with older content.
    EXPECT_EQ(codeView(), "");
}

TEST_F(ClipboardTest, EditorVariableZeroMeansClipboardMode) {
    memory.text = "; from the clipboard";
    startShell(std::nullopt, nullptr, "0");
    EXPECT_EQ(shell->editorHandle(), 0u);
    EXPECT_TRUE(control(kPasteButton)->IsShown());
    EXPECT_FALSE(control(kIdeUpdateButton)->IsShown());
    EXPECT_TRUE(editor.calls.empty());
    EXPECT_EQ(codeView(), "; from the clipboard");
}

TEST_F(ClipboardTest, TextSurvivesTheOwnerThroughXclip) {
    startOnRealClipboard();
    real.putText("kept after exit");
    const unsigned long ours = clipboardOwnerWindow();
    ASSERT_NE(ours, 0u);
    real.keepAfterExit();
    EXPECT_EQ(clipboardOwnerWindow(), ours);  // nothing changes before the toolkit shuts down
    // The toolkit lets go of the clipboard as it shuts down.
    wxTheClipboard->Clear();
    pumpFor(50);
    real.handOverAfterShutdown();
    const unsigned long now = clipboardOwnerWindow();
    EXPECT_NE(now, ours);
    EXPECT_NE(now, 0u);
    EXPECT_EQ(readWithXclip(), "kept after exit");
}

}  // namespace
}  // namespace tessaly::test
