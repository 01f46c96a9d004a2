// Every gadget call becomes its native control: type, number, parent, rectangle and text.
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/gauge.h>
#include <wx/generic/statbmpg.h>
#include <wx/hyperlink.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/scrolbar.h>
#include <wx/scrolwin.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/stc/stc.h>
#include <wx/textctrl.h>

#include "form/column_list_wx.h"
#include "form/preview_controls_wx.h"
#include "preview_fixture.h"

namespace tessaly::test {
namespace {

using GadgetsTest = PreviewTest;

constexpr const char* kWindow = "OpenWindow(#W, 0, 0, 640, 480, \"Gadgets\")\n";

template <class T>
T* as(wxWindow* w) {
    return dynamic_cast<T*>(w);
}

void expectRect(wxWindow* w, int x, int y, int width, int height) {
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GetPosition(), wxPoint(x, y));
    EXPECT_EQ(w->GetSize(), wxSize(width, height));
}

TEST_F(GadgetsTest, TextFamilyShowsItsTextsAtTheirRectangles) {
    read(std::string(kWindow) +
         "ButtonGadget(#Button, 10, 20, 100, 30, \"OK\")\n"
         "CheckBoxGadget(#Check, 10, 60, 120, 20, \"Remember\")\n"
         "OptionGadget(#Option, 10, 90, 120, 20, \"First\")\n"
         "TextGadget(#Text, 150, 20, 90, 20, \"Name:\")\n"
         "StringGadget(#String, 250, 20, 150, 25, \"Alice\")\n"
         "FrameGadget(#Frame, 150, 60, 200, 100, \"Options\")\n"
         "HyperLinkGadget(#Link, 10, 120, 120, 20, \"Home page\", $FF0000)\n"
         "IPAddressGadget(#IP, 250, 200, 120, 25)\n");
    ASSERT_NE(frame(), nullptr);

    auto* button = as<wxButton>(control("#Button"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetLabel(), "OK");
    expectRect(button, 10, 20, 100, 30);
    EXPECT_EQ(element("#Button").Created, 1);
    EXPECT_EQ(button->GetParent(), frame());
    EXPECT_GE(element("#Button").Gadget, Registry::kFirstAllocated);

    ASSERT_NE(as<wxCheckBox>(control("#Check")), nullptr);
    EXPECT_EQ(control("#Check")->GetLabel(), "Remember");
    ASSERT_NE(as<wxRadioButton>(control("#Option")), nullptr);
    EXPECT_EQ(control("#Option")->GetLabel(), "First");
    ASSERT_NE(as<wxStaticText>(control("#Text")), nullptr);
    EXPECT_EQ(control("#Text")->GetLabel(), "Name:");
    expectRect(control("#Text"), 150, 20, 90, 20);
    ASSERT_NE(as<wxTextCtrl>(control("#String")), nullptr);
    EXPECT_EQ(as<wxTextCtrl>(control("#String"))->GetValue(), "Alice");
    ASSERT_NE(as<wxStaticBox>(control("#Frame")), nullptr);
    EXPECT_EQ(control("#Frame")->GetLabel(), "Options");
    expectRect(control("#Frame"), 150, 60, 200, 100);
    auto* link = as<wxGenericHyperlinkCtrl>(control("#Link"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetLabel(), "Home page");
    EXPECT_EQ(link->GetNormalColour(), wxColour(0, 0, 255));  // $BBGGRR: blue
    EXPECT_EQ(as<wxTextCtrl>(control("#IP"))->GetValue(), "127.0.0.1");
}

TEST_F(GadgetsTest, TextsShowAmpersandsAsWrittenAndLinksOpenNothing) {
    read(std::string(kWindow) +
         "ButtonGadget(#Button, 10, 20, 100, 30, \"Save && Quit\")\n"
         "CheckBoxGadget(#Check, 10, 60, 120, 20, \"Salt & Pepper\")\n"
         "OptionGadget(#Option, 10, 90, 120, 20, \"R&D\")\n"
         "TextGadget(#Text, 150, 20, 90, 20, \"Terms & Conditions\")\n"
         "FrameGadget(#Frame, 150, 60, 200, 100, \"A&B\")\n"
         "HyperLinkGadget(#Link, 10, 120, 120, 20, \"Home page\", $FF0000)\n");
    EXPECT_EQ(as<wxControl>(control("#Button"))->GetLabelText(), "Save && Quit");
    EXPECT_EQ(as<wxControl>(control("#Check"))->GetLabelText(), "Salt & Pepper");
    EXPECT_EQ(as<wxControl>(control("#Option"))->GetLabelText(), "R&D");
    EXPECT_EQ(as<wxControl>(control("#Text"))->GetLabelText(), "Terms & Conditions");
    EXPECT_EQ(as<wxControl>(control("#Frame"))->GetLabelText(), "A&B");

    // A click on a link sends this event; unhandled, the toolkit would start a browser.
    auto* link = as<wxGenericHyperlinkCtrl>(control("#Link"));
    ASSERT_NE(link, nullptr);
    wxHyperlinkEvent click(link, link->GetId(), link->GetURL());
    EXPECT_TRUE(link->GetEventHandler()->ProcessEvent(click));
}

TEST_F(GadgetsTest, ListFamilyMakesTheNativeListControls) {
    read(std::string(kWindow) +
         "ComboBoxGadget(#Combo, 10, 10, 150, 25)\n"
         "ComboBoxGadget(#EditCombo, 10, 40, 150, 25, #PB_ComboBox_Editable)\n"
         "ListViewGadget(#ListView, 10, 70, 150, 100)\n"
         "ListIconGadget(#ListIcon, 170, 10, 250, 150, \"Name\", 120)\n"
         "TreeGadget(#Tree, 430, 10, 150, 150)\n"
         "EditorGadget(#Editor, 10, 180, 200, 80)\n"
         "ExplorerComboGadget(#ExCombo, 220, 180, 150, 25, \"/\")\n"
         "ExplorerTreeGadget(#ExTree, 220, 210, 150, 100, \"/\")\n"
         "ExplorerListGadget(#ExList, 380, 210, 150, 100, \"/\")\n"
         "WebGadget(#Web, 10, 320, 200, 100, \"https://example.org\")\n");
    EXPECT_NE(as<wxChoice>(control("#Combo")), nullptr);
    EXPECT_NE(as<wxComboBox>(control("#EditCombo")), nullptr);
    EXPECT_NE(as<wxListBox>(control("#ListView")), nullptr);
    auto* icons = as<ColumnList>(control("#ListIcon"));
    ASSERT_NE(icons, nullptr);
    ASSERT_EQ(icons->GetColumnCount(), 1u);
    EXPECT_EQ(icons->GetColumn(0)->GetTitle(), "Name");
    expectRect(icons, 170, 10, 250, 150);
    EXPECT_NE(as<wxDataViewTreeCtrl>(control("#Tree")), nullptr);
    auto* editor = as<wxTextCtrl>(control("#Editor"));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->IsMultiLine());
    EXPECT_EQ(as<wxComboBox>(control("#ExCombo"))->GetValue(), "/");
    auto* tree = as<wxDataViewTreeCtrl>(control("#ExTree"));
    ASSERT_NE(tree, nullptr);
    const wxDataViewItem root = tree->GetNthChild(wxDataViewItem(), 0);
    EXPECT_EQ(tree->GetItemText(root), "/");
    EXPECT_GT(tree->GetChildCount(root), 0);  // the folders of /
    EXPECT_NE(as<wxDataViewTreeCtrl>(control("#ExList")), nullptr);
    EXPECT_NE(as<wxDataViewTreeCtrl>(control("#Web")), nullptr);
}

TEST_F(GadgetsTest, RangeFamilyUsesItsRanges) {
    read(std::string(kWindow) +
         "ProgressBarGadget(#Progress, 10, 10, 200, 20, 0, 100)\n"
         "ProgressBarGadget(#Progress2, 10, 40, 200, 20, 40, 60)\n"
         "TrackBarGadget(#Track, 10, 70, 200, 30, 5, 25)\n"
         "TrackBarGadget(#VTrack, 250, 10, 30, 200, 0, 10, #PB_TrackBar_Vertical)\n"
         "SpinGadget(#Spin, 10, 110, 150, 34, 1, 9)\n"
         "ScrollBarGadget(#Scroll, 10, 150, 200, 18, 0, 99, 10)\n"
         "ScrollBarGadget(#VScroll, 300, 10, 18, 200, 0, 99, 10, #PB_ScrollBar_Vertical)\n");
    auto* progress = as<wxGauge>(control("#Progress"));
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->GetRange(), 100);
    EXPECT_EQ(progress->GetValue(), 50);  // half full
    auto* progress2 = as<wxGauge>(control("#Progress2"));
    EXPECT_EQ(progress2->GetRange(), 20);
    EXPECT_EQ(progress2->GetValue(), 10);  // 50 within 40..60
    auto* track = as<wxSlider>(control("#Track"));
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->GetMin(), 5);
    EXPECT_EQ(track->GetMax(), 25);
    EXPECT_FALSE(track->HasFlag(wxSL_VERTICAL));
    EXPECT_TRUE(as<wxSlider>(control("#VTrack"))->HasFlag(wxSL_VERTICAL));
    auto* spin = as<wxSpinCtrl>(control("#Spin"));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->GetMin(), 1);
    EXPECT_EQ(spin->GetMax(), 9);
    auto* scroll = as<wxScrollBar>(control("#Scroll"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->IsVertical());
    EXPECT_EQ(scroll->GetPageSize(), 10);
    EXPECT_TRUE(as<wxScrollBar>(control("#VScroll"))->IsVertical());
}

TEST_F(GadgetsTest, OtherGadgetsMakeTheirSubstitutes) {
    read(std::string(kWindow) +
         "CalendarGadget(#Calendar, 10, 10, 250, 180, 86400)\n"
         "DateGadget(#Date, 270, 10, 150, 25, \"%yyyy-%mm-%dd\", 86400)\n"
         "CanvasGadget(#Canvas, 270, 50, 100, 100)\n"
         "ShortcutGadget(#Shortcut, 270, 160, 150, 25, 0)\n");
    auto* calendar = as<wxCalendarCtrl>(control("#Calendar"));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->GetDate().GetYear(), 1970);
    auto* date = as<wxDatePickerCtrl>(control("#Date"));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->GetValue().GetYear(), 1970);
    ASSERT_NE(control("#Canvas"), nullptr);
    EXPECT_EQ(control("#Canvas")->GetBackgroundColour(), *wxWHITE);
    expectRect(control("#Canvas"), 270, 50, 100, 100);
    EXPECT_NE(as<wxTextCtrl>(control("#Shortcut")), nullptr);
}

// Colour of the middle pixel of what an image control shows.
wxColour middleColour(const wxBitmap& bitmap) {
    const wxImage image = bitmap.ConvertToImage();
    const int x = image.GetWidth() / 2;
    const int y = image.GetHeight() / 2;
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

TEST_F(GadgetsTest, ImageGadgetsShowATanPlaceholderOfTheirSize) {
    read(std::string(kWindow) +
         "ImageGadget(#Image, 10, 10, 120, 80, 0)\n"
         "ButtonImageGadget(#ButtonImage, 150, 10, 60, 40, 0)\n");
    auto* image = as<wxGenericStaticBitmap>(control("#Image"));
    ASSERT_NE(image, nullptr);
    const wxBitmap shown = image->GetBitmap();
    EXPECT_EQ(shown.GetSize(), wxSize(120, 80));
    EXPECT_EQ(middleColour(shown), wxColour(210, 180, 140));
    const int32_t number = element("#Image").Image;
    ASSERT_NE(registry_.image(number), nullptr);
    EXPECT_EQ(registry_.image(number)->GetSize(), wxSize(120, 80));

    auto* button = as<wxBitmapButton>(control("#ButtonImage"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetBitmapLabel().GetSize(), wxSize(60, 40));
    EXPECT_EQ(middleColour(button->GetBitmapLabel()), wxColour(210, 180, 140));
    EXPECT_NE(element("#ButtonImage").Image, number);
}

TEST_F(GadgetsTest, OpenGLGadgetsShareTheOnePictureEachAtItsSize) {
    read(std::string(kWindow) +
         "OpenGLGadget(#GL1, 10, 10, 320, 180)\n"
         "OpenGLGadget(#GL2, 10, 200, 160, 90)\n");
    EXPECT_NE(preview_.pictureImage(), 0);
    EXPECT_EQ(element("#GL1").Image, preview_.pictureImage());
    EXPECT_EQ(element("#GL2").Image, preview_.pictureImage());
    auto* first = as<wxGenericStaticBitmap>(control("#GL1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetBitmap().GetSize(), wxSize(320, 180));
    EXPECT_EQ(as<wxGenericStaticBitmap>(control("#GL2"))->GetBitmap().GetSize(), wxSize(160, 90));
    // The shared picture holds the last size.
    EXPECT_EQ(registry_.image(preview_.pictureImage())->GetSize(), wxSize(160, 90));
}

TEST_F(GadgetsTest, HugeImageGadgetsHoldASmallPictureStretchedOverTheirArea) {
    std::string form = std::string(kWindow) + "OpenGLGadget(#GL, 0, 0, 100000, 100000)\n";
    for (int i = 0; i < 10; ++i) form += "ImageGadget(#I, 0, 0, 16384, 16384, 0)\n";
    form += "ButtonImageGadget(#BI, 0, 0, 16384, 16384, 0)\n";
    read(form);
    auto* image = as<wxGenericStaticBitmap>(control("#I"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetSize(), wxSize(16384, 16384));
    EXPECT_EQ(image->GetBitmap().GetSize(), wxSize(kMaxPictureSide, kMaxPictureSide));
    EXPECT_EQ(image->GetScaleMode(), wxStaticBitmapBase::Scale_Fill);
    EXPECT_EQ(registry_.image(element("#I").Image)->GetSize(),
              wxSize(kMaxPictureSide, kMaxPictureSide));
    EXPECT_EQ(as<wxBitmapButton>(control("#BI"))->GetBitmapLabel().GetSize(),
              wxSize(kMaxPictureSide, kMaxPictureSide));
    EXPECT_EQ(registry_.image(preview_.pictureImage())->GetSize(),
              wxSize(kMaxPictureSide, kMaxPictureSide));

    // An edit that resizes the gadget gives it its picture again for the new size, still bounded.
    refitGadgetPicture(registry_, element("#I").Image, image, 30, 20000);
    EXPECT_EQ(image->GetBitmap().GetSize(), wxSize(30, kMaxPictureSide));
    EXPECT_EQ(middleColour(image->GetBitmap()), wxColour(210, 180, 140));
    EXPECT_EQ(registry_.image(element("#I").Image)->GetSize(), wxSize(30, kMaxPictureSide));
}

TEST_F(GadgetsTest, SymbolicAndNegativeSizesGiveZeroSizedControlsWithoutToolkitWarnings) {
    StderrCapture capture;
    read(std::string(kWindow) +
         "ButtonGadget(#B, 10, 10, #Width, #Height, \"x\")\n"
         "StringGadget(#S, 10, 10, -20, 0, \"x\")\n"
         "SpinGadget(#Spin, 10, 10, 0, 0, 0, 0)\n"
         "TrackBarGadget(#T, 10, 10, 0, 0, 0, 0)\n"
         "ProgressBarGadget(#P, 10, 10, 0, 0, 0, 0)\n"
         "ScrollBarGadget(#Sb, 10, 10, 0, 0, 0, 0, 0)\n"
         "ListIconGadget(#L, 10, 10, 0, 0, \"\", 0)\n"
         "ImageGadget(#I, 10, 10, 0, 0, 0)\n"
         "OpenGLGadget(#G, 10, 10, 0, 0)\n"
         "CalendarGadget(#C, 10, 10, 0, 0)\n"
         "DateGadget(#D, 10, 10, 0, 0)\n"
         "ComboBoxGadget(#Co, 10, 10, 0, 0)\n"
         "PanelGadget(#Pa, 10, 10, 0, 0)\n"
         "AddGadgetItem(#Pa, -1, \"Tab\")\n"
         "CloseGadgetList()\n"
         "HyperLinkGadget(#H, 10, 10, 0, 0, \"\", 0)\n");
    frame()->Show();
    // Let the window reach the screen and GTK lay out and draw every control.
    pumpUntil([this] { return frame()->IsShownOnScreen(); });
    pumpFor(300);
    const std::string errors = capture.finish();
    EXPECT_EQ(errors.find("WARNING"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("CRITICAL"), std::string::npos) << errors;
    for (const char* name : {"#B", "#S", "#Spin", "#T", "#P", "#Sb", "#L", "#I", "#Pa", "#H"}) {
        ASSERT_NE(control(name), nullptr) << name;
        EXPECT_EQ(control(name)->GetSize(), wxSize(0, 0)) << name;
    }
    EXPECT_EQ(element("#I").Image, 0);  // no image can be 0 pixels wide
}

TEST_F(GadgetsTest, PickerEntriesNameIdentifierAndCallAndCarryTheListIndex) {
    read(std::string(kWindow) + "ButtonGadget(#B, 1, 2, 100, 30, \"x\")\n");
    ASSERT_EQ(host_.entries.size(), 2u);
    EXPECT_EQ(host_.entries[0].first, "#W :: OpenWindow");
    EXPECT_EQ(host_.entries[0].second, 0);
    EXPECT_EQ(host_.entries[1].first, "#B :: ButtonGadget");
    EXPECT_EQ(host_.entries[1].second, 1);
    EXPECT_EQ(element("#B").Index, 1);
}

}  // namespace
}  // namespace tessaly::test

namespace tessaly::test {
namespace {

using MalformedTest = PreviewTest;

TEST_F(MalformedTest, CallsWithMissingOrStrangeArgumentsBuildWithoutAssertions) {
    std::string code = "OpenWindow(#W, 0, 0, 400, 300, \"M\")\n";
    for (const sKeyWord& k : keywords()) {
        code += k.KeyWord + "()\n";
        code += k.KeyWord + "(#X" + k.KeyWord + ", -5, -5, -1, -1, -1, -1, -1, -1, -1, -1, -1)\n";
        code += k.KeyWord + "(#Y, $7FFFFFFF, %1, 2147483648, 99999999999, \"\", \"\", \"\")\n";
    }
    read(code);
    ASSERT_NE(frame(), nullptr);
    frame()->Show();
    processPending();
    // A second reading over the wreckage of the first.
    read(code);
    EXPECT_NE(frame(), nullptr);
}

}  // namespace
}  // namespace tessaly::test
