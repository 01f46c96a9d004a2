// The tab bar on its own, in a real window: creation as the main window makes it, clicks,
// wheel and leave events through the canvas, and the pixels it paints.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/panel.h>

#include <string>
#include <vector>

#include "tabbar/main_tab_bar.h"
#include "tabbar/main_tab_bar_wx.h"
#include "tabbar/tabbar_ops_wx.h"
#include "tabbar_ui_support.h"
#include "ui/registry_wx.h"

namespace tessaly::test {
namespace {

class TabBarWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        Registry::instance().reset();
        initTabBarDefaults();
        frame_ = new wxFrame(nullptr, wxID_ANY, "Tab bar");
        frame_->SetClientSize(300, 100);
        // A frame stretches a lone child over its whole inside: the bar sits on a panel.
        panel_ = new wxPanel(frame_);
        panel_->SetBackgroundColour(wxColour(203, 203, 203));
        const wxFont font(wxFontInfo(10).FaceName("Arial"));
        canvas_ = createMainWindowTabBar(
            panel_, font, [this](const std::string& text) { selections_.push_back(text); });
        frame_->Show();
        pumpFor(50);
    }
    void TearDown() override {
        frame_->Destroy();
        pumpFor(10);
        Registry::instance().reset();
    }

    // The bar painted into a bitmap the size of the canvas.
    wxImage snapshot() { return snapshotOf(canvas_); }
    static wxImage snapshotOf(TabBarCanvas* canvas) {
        const wxSize size = canvas->GetClientSize();
        wxBitmap bitmap(size.x, size.y, 24);
        {
            wxMemoryDC dc(bitmap);
            canvas->paintTo(dc);
        }
        return bitmap.ConvertToImage();
    }

    wxFrame* frame_ = nullptr;
    wxPanel* panel_ = nullptr;
    TabBarCanvas* canvas_ = nullptr;
    std::vector<std::string> selections_;
};

wxColour pixel(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

TEST_F(TabBarWindow, MainBarIsControlOneAtItsPlaceWithTwoTabs) {
    EXPECT_EQ(Registry::instance().control(kMainTabBarNumber), canvas_);
    EXPECT_EQ(canvas_->GetPosition(), wxPoint(5, 42));
    EXPECT_EQ(canvas_->GetClientSize(), wxSize(285, 28));
    EXPECT_EQ(tabBarTabText(1, 0), "Parameters");
    EXPECT_EQ(tabBarTabText(1, 1), "Flags");
    const TabBar& b = canvas_->bar().state();
    EXPECT_EQ(b.Options, BaseLine);
    EXPECT_EQ(b.Selected, b.Tabs[0].get());
    EXPECT_EQ(b.Tabs[1]->Offset, 142) << "real texts are shorter than the 139-pixel minimum";
    EXPECT_EQ(b.Tabs[0]->FaceColor, rgba(153, 153, 153, 0xFF));
    EXPECT_EQ(tabBarDefaults().BackColor, kMainWindowBackColor);
}

TEST_F(TabBarWindow, ClicksThroughTheCanvasSwitchTabsAndReportTheirText) {
    click(canvas_, 200, 15);
    EXPECT_EQ(selections_, (std::vector<std::string>{"Flags"}));
    EXPECT_EQ(tabBarEventTab(1), 1);
    click(canvas_, 200, 15);
    EXPECT_EQ(selections_.size(), 1u) << "the selected tab again: nothing";
    click(canvas_, 60, 15);
    EXPECT_EQ(selections_, (std::vector<std::string>{"Flags", "Parameters"}));

    setMainFlagsTabDisabled(true);
    click(canvas_, 200, 15);
    EXPECT_EQ(selections_.size(), 2u) << "a disabled tab cannot be chosen";
    setMainFlagsTabDisabled(false);
    click(canvas_, 200, 15);
    EXPECT_EQ(selections_.back(), "Flags");

    // Dragged into the other order, the Flags tab is still the one disabled.
    auto& tabs = canvas_->bar().state().Tabs;
    std::swap(tabs[0], tabs[1]);
    setMainFlagsTabDisabled(true);
    EXPECT_TRUE(tabs[0]->Disabled);
    EXPECT_FALSE(tabs[1]->Disabled);
    setMainFlagsTabDisabled(false);
}

TEST_F(TabBarWindow, HoverAndLeaveChangeOnlyTheLook) {
    sendMouse(canvas_, wxEVT_MOTION, 200, 15);
    EXPECT_EQ(canvas_->bar().state().Tabs[1]->FaceState, FaceHover);
    sendMouse(canvas_, wxEVT_LEAVE_WINDOW, 200, 15);
    EXPECT_EQ(canvas_->bar().state().Tabs[1]->FaceState, FaceNormal);
    sendMouse(canvas_, wxEVT_MOUSEWHEEL, 200, 15, 2);
    EXPECT_EQ(canvas_->bar().state().Shift, 0);
    EXPECT_TRUE(selections_.empty());
}

TEST_F(TabBarWindow, SelectedTabIsPaintedRaisedOverTheBaseLine) {
    const wxImage image = snapshot();
    // Kept for a look by eye; a failed save would leave a log dialog waiting at exit.
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    EXPECT_TRUE(image.SaveFile(TESSALY_BINARY_DIR "/tabbar_ui.png", wxBITMAP_TYPE_PNG));
    const wxColour back(203, 203, 203);
    EXPECT_EQ(pixel(image, 200, 1), back) << "above the lower tab: background";
    EXPECT_NE(pixel(image, 60, 2), back) << "the selected tab reaches the top";
    EXPECT_EQ(pixel(image, 283, 15), back) << "right of the last tab";
    // The base line runs along the bottom, except where the selected tab covers it.
    const wxColour border(pixel(image, 250, 27));
    EXPECT_NE(border, back);
    EXPECT_EQ(pixel(image, 283, 27), border);
    EXPECT_NE(pixel(image, 60, 27), border);
    // The lower tab's face is the grey gradient: lighter at its top than at its bottom.
    EXPECT_GT(pixel(image, 200, 7).Red(), pixel(image, 200, 25).Red());

    click(canvas_, 200, 15);
    const wxImage flags = snapshot();
    EXPECT_EQ(pixel(flags, 60, 1), back) << "Parameters went down";
    EXPECT_NE(pixel(flags, 200, 2), back) << "Flags came up";
}

TEST_F(TabBarWindow, RealPointerClickSelectsFlags) {
    pointerClick(canvas_, 200, 15);
    ASSERT_TRUE(pumpUntil([this] { return !selections_.empty(); })) << "the click never arrived";
    EXPECT_EQ(selections_, (std::vector<std::string>{"Flags"}));
}

TEST_F(TabBarWindow, OperationsByNumberReachTheBar) {
    const int32_t n = tabBarCreate(panel_, -1, 5, 0, 200, 28, ShowNewTab);
    EXPECT_GE(n, Registry::kFirstAllocated);
    EXPECT_EQ(tabBarCanvas(n)->bar().state().Number, n);
    EXPECT_EQ(tabBarAddTab(n, NoTab, "One", 0, 0), 0);
    EXPECT_EQ(tabBarAddTab(n, 0, "Zero", 0, 0), 0);
    tabBarSetAttribute(n, AttrMinTabLength, 60);
    tabBarSetState(n, 1);
    tabBarSetTabColor(n, 1, TabFaceColor, rgba(10, 20, 30));
    tabBarSetFont(n, wxNullFont);
    EXPECT_EQ(tabBarTabText(n, 1), "One");
    EXPECT_EQ(tabBarCanvas(n)->bar().state().Tabs[1]->FaceColor, rgba(10, 20, 30, 0xFF));
    EXPECT_EQ(tabBarCanvas(n)->bar().state().Font, tabBarDefaults().Font);
    // Double-click right of the new-tab button: asks for a new tab.
    EXPECT_EQ(tabBarHandleEvent(n, InputEvent{InputType::LeftDoubleClick, 198, 15, 0}),
              NewTabRequested);
}

// The toolkit turns the second press of a quick double click into a double click alone:
// down, up, double click, up. Each press counts, with the left button as with the middle one.
TEST_F(TabBarWindow, QuickSecondPressesCountAsPresses) {
    const int32_t n = tabBarCreate(panel_, -1, 5, 0, 200, 28, ShowNewTab | ShowCloseButtons);
    tabBarAddTab(n, NoTab, "One", 0, 0);
    tabBarAddTab(n, NoTab, "Two", 0, 0);
    TabBarCanvas* canvas = tabBarCanvas(n);
    std::vector<int32_t> events;
    canvas->setEventHandler([&events](int32_t code) { events.push_back(code); });
    const TabBar& b = canvas->bar().state();
    const int nx = b.NewTab.BoxX + b.NewTab.BoxWidth / 2;
    const int ny = b.NewTab.BoxY + b.NewTab.BoxHeight / 2;
    ASSERT_GT(b.NewTab.BoxWidth, 0);

    sendMouse(canvas, wxEVT_LEFT_DOWN, nx, ny);
    sendMouse(canvas, wxEVT_LEFT_UP, nx, ny);
    sendMouse(canvas, wxEVT_LEFT_DCLICK, nx, ny);
    sendMouse(canvas, wxEVT_LEFT_UP, nx, ny);
    EXPECT_EQ(events, (std::vector<int32_t>{NewTabRequested, NewTabRequested}));

    // A quick middle double click on the first tab closes it once per release.
    events.clear();
    const Tab& first = *b.Tabs[0];
    const int tx = first.BoxX + 10;
    const int ty = first.BoxY + first.BoxHeight / 2;
    sendMouse(canvas, wxEVT_MIDDLE_DOWN, tx, ty);
    sendMouse(canvas, wxEVT_MIDDLE_UP, tx, ty);
    sendMouse(canvas, wxEVT_MIDDLE_DCLICK, tx, ty);
    sendMouse(canvas, wxEVT_MIDDLE_UP, tx, ty);
    EXPECT_EQ(events, (std::vector<int32_t>{CloseRequested, CloseRequested}));
}

TEST_F(TabBarWindow, SmoothWheelPartsAddUpToWholeNotches) {
    const int32_t n = tabBarCreate(panel_, -1, 5, 0, 200, 28, 0);
    for (int i = 0; i < 8; ++i) tabBarAddTab(n, NoTab, "Tab number " + std::to_string(i), 0, 0);
    TabBarCanvas* canvas = tabBarCanvas(n);
    const TabBar& b = canvas->bar().state();
    ASSERT_TRUE(b.has(MoreAhead)) << "the tabs must not all fit";
    for (int i = 0; i < 2; ++i) sendMouseRotation(canvas, wxEVT_MOUSEWHEEL, 100, 15, 40);
    EXPECT_EQ(b.Shift, 0) << "two thirds of a notch";
    sendMouseRotation(canvas, wxEVT_MOUSEWHEEL, 100, 15, 40);
    EXPECT_EQ(b.Shift, 1);
    sendMouseRotation(canvas, wxEVT_MOUSEWHEEL, 100, 15, 200);
    EXPECT_EQ(b.Shift, 2) << "one notch and two thirds kept";
    sendMouseRotation(canvas, wxEVT_MOUSEWHEEL, 100, 15, 40);
    EXPECT_EQ(b.Shift, 3);
    for (int i = 0; i < 2; ++i) sendMouseRotation(canvas, wxEVT_MOUSEWHEEL, 100, 15, -60);
    EXPECT_EQ(b.Shift, 2) << "backwards as well";
}

TEST_F(TabBarWindow, TabPictureIsA16PixelCopyDrawnBeforeTheText) {
    wxImage red(40, 30);
    red.SetRGB(wxRect(0, 0, 40, 30), 255, 0, 0);
    const int image = Registry::instance().addImage(wxBitmap(red));
    const int32_t n = tabBarCreate(panel_, -1, 5, 0, 200, 28, 0);
    tabBarAddTab(n, NoTab, "Pic", image, 0);
    const Tab& tab = *tabBarCanvas(n)->bar().state().Tabs[0];
    ASSERT_NE(tab.Picture, 0);
    // Picture at (BoxX + PaddingX, BoxY + (BoxHeight - 16) / 2) = (10, 9), 16 x 16.
    const wxImage shot = snapshotOf(tabBarCanvas(n));
    EXPECT_EQ(pixel(shot, 10, 9), wxColour(255, 0, 0));
    EXPECT_EQ(pixel(shot, 25, 24), wxColour(255, 0, 0));
    EXPECT_NE(pixel(shot, 27, 16), wxColour(255, 0, 0)) << "16 pixels wide, not 40";
}

}  // namespace
}  // namespace tessaly::test
