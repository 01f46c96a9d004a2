#include <wx/dcmemory.h>
#include <wx/filename.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/main_layout.h"
#include "edit/check_box.h"
#include "edit/check_box_wx.h"
#include "ui_support.h"

namespace tessaly::test {
namespace {

using namespace main_window;

// Collects what is written to the standard error stream (where the toolkit's warnings go).
class StderrCapture {
  public:
    StderrCapture() : path_(wxFileName::CreateTempFileName("tessaly").ToStdString()) {
        fflush(stderr);
        saved_ = dup(2);
        const int fd = open(path_.c_str(), O_WRONLY | O_TRUNC);
        dup2(fd, 2);
        close(fd);
    }
    ~StderrCapture() { restore(); }
    std::string finish() {
        restore();
        std::ifstream in(path_);
        std::ostringstream text;
        text << in.rdbuf();
        std::remove(path_.c_str());
        return text.str();
    }

  private:
    void restore() {
        if (saved_ < 0) return;
        fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
    }
    std::string path_;
    int saved_ = -1;
};

wxRect rectOf(wxWindow* w) {
    return wxRect(w->GetPosition(), w->GetSize());
}

class LayoutTest : public ShellTest {
  protected:
    void pressViewCodeSwitch(wxEventType type = wxEVT_LEFT_DOWN) {
        wxMouseEvent press(type);
        press.SetEventObject(control(kViewCodeSwitch));
        control(kViewCodeSwitch)->GetEventHandler()->ProcessEvent(press);
    }
    bool switchTicked() { return Registry::instance().data(kViewCodeSwitch) == 1; }
};

TEST_F(LayoutTest, At1000By700TheCodeViewAndPagesGrowAndTheBottomRowMoves) {
    startShell(std::string());
    resizeMainWindow(1000, 700);
    EXPECT_EQ(rectOf(control(kCodeView)), wxRect(295, 10, 700, 650));
    EXPECT_EQ(rectOf(control(kParametersPage)), wxRect(5, 70, 285, 590));
    EXPECT_EQ(rectOf(control(kFlagsPage)), wxRect(5, 70, 285, 590));
    EXPECT_EQ(rectOf(control(kFlagList)), wxRect(0, 0, 285, 590));
    EXPECT_EQ(rectOf(control(kStatusLine)), wxRect(0, 567, 285, 20));
    EXPECT_EQ(rectOf(control(kPasteButton)), wxRect(5, 670, 80, 22));
    EXPECT_EQ(rectOf(control(kIdeUpdateButton)), wxRect(5, 670, 80, 22));
    EXPECT_EQ(rectOf(control(kCopyButton)), wxRect(90, 670, 80, 22));
    EXPECT_EQ(rectOf(control(kViewCodeSwitch)), wxRect(190, 675, 15, 15));
    EXPECT_EQ(rectOf(control(kViewCodeLabel)), wxRect(210, 673, 80, 20));
    EXPECT_EQ(rectOf(control(kCreditLabel)), wxRect(860, 673, 130, 20));
    // Not anchored: they keep their place.
    EXPECT_EQ(rectOf(control(kPicker)), wxRect(5, 10, 285, 24));
    EXPECT_EQ(rectOf(control(kTabBar)), wxRect(5, 42, 285, 28));
    EXPECT_EQ(rectOf(control(kHeightField)), wxRect(120, 140, 100, 22));
    EXPECT_TRUE(switchTicked());
    EXPECT_TRUE(control(kCreditLabel)->IsShown());
}

TEST_F(LayoutTest, SmallestSizeHidesTheCodeViewWithoutToolkitWarnings) {
    startShell(std::string());
    StderrCapture errors;
    resizeMainWindow(kMinWidth, kMinHeight);
    EXPECT_EQ(rectOf(control(kStatusLine)), wxRect(0, 267, 285, 20));
    EXPECT_EQ(rectOf(control(kParametersPage)), wxRect(5, 70, 285, 290));
    EXPECT_EQ(control(kPasteButton)->GetPosition(), wxPoint(5, 370));
    EXPECT_FALSE(control(kCodeView)->IsShown());
    resizeMainWindow(1000, 700);
    EXPECT_TRUE(control(kCodeView)->IsShown());
    EXPECT_EQ(rectOf(control(kCodeView)), wxRect(295, 10, 700, 650));
    const std::string warnings = errors.finish();
    EXPECT_EQ(warnings.find("Gtk-"), std::string::npos) << warnings;
    EXPECT_EQ(warnings.find("CRITICAL"), std::string::npos) << warnings;
}

TEST_F(LayoutTest, ViewCodeSwitchRoundTrip) {
    startShell(std::string());
    resizeMainWindow(1000, 600);
    pressViewCodeSwitch();
    ASSERT_TRUE(pumpUntil([&] { return shell->mainWindow()->GetClientSize().x == kMinWidth; }));
    pumpFor(50);
    EXPECT_FALSE(switchTicked());
    EXPECT_FALSE(control(kCreditLabel)->IsShown());
    EXPECT_EQ(shell->mainWindow()->GetClientSize().y, 600);
    EXPECT_EQ(shell->viewCode().savedWidth(), 1000);

    // The second press of a quick double click comes as a double click: it toggles too.
    pressViewCodeSwitch(wxEVT_LEFT_DCLICK);
    ASSERT_TRUE(pumpUntil([&] { return shell->mainWindow()->GetClientSize().x == 1000; }));
    pumpFor(50);
    EXPECT_TRUE(switchTicked());
    EXPECT_TRUE(control(kCreditLabel)->IsShown());
    EXPECT_TRUE(control(kCodeView)->IsShown());
    EXPECT_EQ(rectOf(control(kCodeView)), wxRect(295, 10, 700, 550));
}

TEST_F(LayoutTest, DraggingToTheMinimumWidthUnticksAndWideningTicksAgain) {
    startShell(std::string());
    resizeMainWindow(kMinWidth, 600);
    EXPECT_FALSE(switchTicked());
    EXPECT_FALSE(control(kCreditLabel)->IsShown());
    resizeMainWindow(700, 600);
    EXPECT_TRUE(switchTicked());
    EXPECT_TRUE(control(kCreditLabel)->IsShown());
    // Nothing was saved by dragging: the switch then brings back the designed width.
    resizeMainWindow(kMinWidth, 600);
    pressViewCodeSwitch();
    ASSERT_TRUE(pumpUntil([&] { return shell->mainWindow()->GetClientSize().x == kInnerWidth; }));
}

TEST_F(LayoutTest, SwitchCanvasIsDrawnPixelForPixel) {
    for (const bool ticked : {false, true}) {
        wxBitmap bitmap(15, 15, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxRED_BRUSH);
            dc.Clear();
            drawCheckBox(dc, 0, 0, 15, 15, ticked);
        }
        const wxImage image = bitmap.ConvertToImage();
        const auto expected = paintGrey(checkBoxSteps(0, 0, 15, 15, ticked), 15, 15, 0);
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                const uint8_t g = expected[size_t(y * 15 + x)];
                ASSERT_EQ(image.GetRed(x, y), g) << x << "," << y << " ticked " << ticked;
                ASSERT_EQ(image.GetGreen(x, y), g) << x << "," << y;
                ASSERT_EQ(image.GetBlue(x, y), g) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace tessaly::test
