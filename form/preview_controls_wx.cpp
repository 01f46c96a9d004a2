#include "form/preview_controls_wx.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dataview.h>
#include <wx/datectrl.h>
#include <wx/dir.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/generic/statbmpg.h>
#include <wx/hyperlink.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/scrolbar.h>
#include <wx/scrolwin.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include <algorithm>

#include "form/column_list_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

// Which control each call becomes. The preview is a picture of a PureBasic form as it looks on
// GTK, so every gadget maps to the wxWidgets control that is (or wraps) the same GTK widget:
//
//   call                 control                       further arguments used
//   -------------------  ----------------------------  ----------------------------------------
//   ButtonGadget         wxButton                      text 5
//   ButtonImageGadget    wxBitmapButton                placeholder image (tan)
//   CalendarGadget       wxCalendarCtrl (GtkCalendar)  date N5 (seconds since 1970, 0: today)
//   CanvasGadget         wxWindow, white               -
//   CheckBoxGadget       wxCheckBox                    text 5
//   ComboBoxGadget       wxChoice (GtkComboBox)        items from AddGadgetItem
//   ContainerGadget      wxPanel                       border from its flag; becomes the parent
//   DateGadget           wxDatePickerCtrl              date N6 (the mask has no equivalent)
//   EditorGadget         wxTextCtrl, multi-line        lines from AddGadgetItem
//   ExplorerComboGadget  wxComboBox                    start path 5 as its text
//   ExplorerListGadget   wxDataViewTreeCtrl            start path 5 and its sub-folders
//   ExplorerTreeGadget   wxDataViewTreeCtrl            start path 5 and its sub-folders
//   FrameGadget          wxStaticBox (GtkFrame)        text 5
//   HyperLinkGadget      wxGenericHyperlinkCtrl        text 5 in colour N6 (RGB in $BBGGRR)
//   ImageGadget          wxGenericStaticBitmap         placeholder image (tan), stretched
//   IPAddressGadget      wxTextCtrl                    "127.0.0.1"
//   ListIconGadget       ColumnList (GtkTreeView)      first column title 5, width N6
//   ListViewGadget       wxListBox (GtkTreeView)       items from AddGadgetItem
//   OpenGLGadget         wxGenericStaticBitmap         the placeholder picture, stretched
//   OptionGadget         wxRadioButton                 text 5
//   PanelGadget          wxNotebook                    tabs from AddGadgetItem; becomes the parent
//   ProgressBarGadget    wxGauge                       range N5..N6, value 50
//   ScintillaGadget      wxStyledTextCtrl, from the code-editor module (live_preview_wx.cpp)
//   ScrollAreaGadget     wxScrolledWindow              inner size N5 x N6, step N7; the parent
//   ScrollBarGadget      wxScrollBar                   range N5..N6, page length N7
//   ShortcutGadget       wxTextCtrl                    - (shows no shortcut)
//   SpinGadget           wxSpinCtrl (GtkSpinButton)    range N5..N6
//   SplitterGadget       wxSplitterWindow (live_preview_wx.cpp)
//   StringGadget         wxTextCtrl                    text 5
//   TextGadget           wxStaticText                  text 5
//   TrackBarGadget       wxSlider (GtkScale)           range N5..N6
//   TreeGadget           wxDataViewTreeCtrl            items from AddGadgetItem
//   WebGadget            wxDataViewTreeCtrl            - (a tree stands in for the web view)
//
// Flags: forms spell them as named constants, which read as the number 0, so a control takes a
// flag from its line when the line names it (any letter case), as the splitter rule does:
//   #PB_String_Password, #PB_String_ReadOnly, #PB_Editor_ReadOnly, #PB_Text_Center,
//   #PB_Text_Right, #PB_Text_Border, #PB_ComboBox_Editable (a wxComboBox instead of a wxChoice),
//   #PB_ScrollBar_Vertical, #PB_TrackBar_Vertical, #PB_ProgressBar_Vertical,
//   #PB_String_BorderLess, #PB_Image_Border, #PB_ListIcon_GridLines, #PB_CheckBox_ThreeState.
// A window line's flags give its preview window's frame: a title bar unless #PB_Window_BorderLess;
// #PB_Window_SystemMenu a close box, #PB_Window_MinimizeGadget and #PB_Window_MaximizeGadget
// those boxes, #PB_Window_SizeGadget a sizable frame, #PB_Window_Tool a tool window. The window
// stays where the line puts it (centring it would hide it behind the main window), visible and
// of its inner size.
// Every other flag has no effect on the preview. Negative sizes count as 0.

namespace {

// A drop-down list whose entries pop up as a list, not a menu: a menu is built entry by entry as
// the entries are added, at a cost that grows with the entries before each (8,000 entries kept
// the program busy for a minute). The style sheet matches the widget by name.
template <typename Control>
Control* popUpAsList(Control* dropDown) {
#ifdef __WXGTK__
    static GtkCssProvider* provider = [] {
        GtkCssProvider* css = gtk_css_provider_new();
        gtk_css_provider_load_from_data(
            css, "#tessaly-list-popup { -GtkComboBox-appears-as-list: 1; }", -1, nullptr);
        gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        return css;
    }();
    (void)provider;
    auto* widget = static_cast<GtkWidget*>(dropDown->GetHandle());
    gtk_widget_set_name(widget, "tessaly-list-popup");
    // Now, before the entries come, not when the toolkit next looks at the style.
    g_signal_emit_by_name(widget, "style-updated");
#endif  // Windows' drop-down lists always pop up as a list
    return dropDown;
}

// The colour of an image gadget's placeholder.
wxColour placeholderTan() {
    return {210, 180, 140};
}

// Sub-folders listed by an explorer substitute; a real folder tree shows them lazily, the
// preview only needs its first level.
constexpr int kMaxFolders = 200;

wxString textOf(const Slots& s, int i) {
    return toWx(s.text(i));
}

// A label shown as written: the toolkit would take "&" as the mark of a keyboard mnemonic and
// drop it, a PureBasic program shows it.
wxString labelOf(const Slots& s, int i) {
    return wxControl::EscapeMnemonics(textOf(s, i));
}

wxColour colourOf(int32_t rgb) {
    return wxColour(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

wxDataViewTreeCtrl* makeFolderTree(wxWindow* parent, const wxString& path) {
    auto* tree = new wxDataViewTreeCtrl(parent, wxID_ANY);
    const wxString start = path.empty() ? wxString("/") : path;
    const wxDataViewItem root = tree->AppendContainer(wxDataViewItem(), start);
    wxDir dir;
    wxString name;
    if (wxDir::Exists(start) && dir.Open(start)) {
        int n = 0;
        for (bool more = dir.GetFirst(&name, {}, wxDIR_DIRS); more && n < kMaxFolders;
             more = dir.GetNext(&name), ++n) {
            tree->AppendContainer(root, name);
        }
    }
    tree->Expand(root);
    return tree;
}

wxWindow* makeProgressBar(wxWindow* parent, const Slots& s, bool vertical) {
    const GaugeRange r = progressBarRange(s.number(5), s.number(6));
    auto* gauge = new wxGauge(parent, wxID_ANY, r.range, wxDefaultPosition, wxDefaultSize,
                              vertical ? wxGA_VERTICAL : wxGA_HORIZONTAL);
    // A form's progress bar is shown at the value 50 of its own range.
    gauge->SetValue(r.value);
    return gauge;
}

wxWindow* makeScrollBar(wxWindow* parent, const Slots& s, bool vertical) {
    auto* bar = new wxScrollBar(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                vertical ? wxSB_VERTICAL : wxSB_HORIZONTAL);
    const int page = std::max(s.number(7), 1);
    bar->SetScrollbar(0, page, scrollBarPositions(s.number(5), s.number(6)), page);
    return bar;
}

wxSize boundedPictureSize(int32_t width, int32_t height) {
    return {std::min(width, kMaxPictureSide), std::min(height, kMaxPictureSide)};
}

// An image or OpenGL gadget: its picture stretched over the whole control, drawn when shown,
// so that the control costs no memory for its size. Reads as an icon to assistive technologies,
// as the toolkit's own image control does.
wxWindow* makePictureView(wxWindow* parent, const wxBitmap& picture, PreviewKind kind,
                          long border) {
    auto* view = new wxGenericStaticBitmap(parent, wxID_ANY, picture, wxDefaultPosition,
                                           wxDefaultSize, border);
    // Tan behind the tan picture: stretched far, its smoothed edges would blur into grey.
    if (kind == PreviewKind::Image) view->SetBackgroundColour(placeholderTan());
    view->SetScaleMode(wxStaticBitmapBase::Scale_Fill);
#ifdef __WXGTK__
    atk_object_set_role(gtk_widget_get_accessible(view->GetHandle()), ATK_ROLE_ICON);
#endif
    return view;
}

wxWindow* makeScrollArea(wxWindow* parent, const Slots& s) {
    auto* area = new wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                      wxHSCROLL | wxVSCROLL | wxBORDER_SIMPLE);
    const int step = s.number(7) > 0 ? s.number(7) : 10;
    area->SetScrollRate(step, step);
    area->SetVirtualSize(s.size(5), s.size(6));
    return area;
}

wxWindow* makeDate(wxWindow* parent, const Slots& s, int dateSlot) {
    const wxDateTime date = s.number(dateSlot) != 0
                                ? wxDateTime(time_t(uint32_t(s.number(dateSlot))))
                                : wxDateTime::Today();
    return new wxDatePickerCtrl(parent, wxID_ANY, date);
}

}  // namespace

wxBitmap placeholderImage(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return wxNullBitmap;
    const wxSize size = boundedPictureSize(width, height);
    wxImage image(size, false);
    image.SetRGB(wxRect(size), placeholderTan().Red(), placeholderTan().Green(),
                 placeholderTan().Blue());
    return wxBitmap(image, 24);
}

wxBitmap scaledPicture(const wxImage& picture, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || !picture.IsOk()) return wxNullBitmap;
    const wxSize size = boundedPictureSize(width, height);
    return wxBitmap(picture.Scale(size.x, size.y, wxIMAGE_QUALITY_BILINEAR));
}

void refitGadgetPicture(Registry& registry, int32_t imageNumber, wxWindow* control, int32_t width,
                        int32_t height, const wxImage& source) {
    const wxBitmap* now = registry.image(imageNumber);
    if (!now || !now->IsOk()) return;
    const wxBitmap picture =
        scaledPicture(source.IsOk() ? source : now->ConvertToImage(), width, height);
    if (!picture.IsOk()) return;
    registry.setImage(imageNumber, picture);
    if (auto* view = dynamic_cast<wxStaticBitmapBase*>(control)) {
        view->SetBitmap(picture);
    } else if (auto* button = dynamic_cast<wxBitmapButton*>(control)) {
        button->SetBitmapLabel(picture);
    }
}

wxWindow* makeGadgetControl(PreviewKind kind, wxWindow* parent, const Slots& s,
                            std::string_view code, const wxBitmap& image) {
    const wxPoint noPos = wxDefaultPosition;
    const wxSize noSize = wxDefaultSize;
    const auto has = [code](std::string_view flag) { return lineNamesFlag(code, flag); };
    switch (kind) {
        case PreviewKind::Button:
            return new wxButton(parent, wxID_ANY, labelOf(s, 5));
        case PreviewKind::ButtonImage:
            return new wxBitmapButton(parent, wxID_ANY, image);
        case PreviewKind::Calendar: {
            const wxDateTime date =
                s.number(5) != 0 ? wxDateTime(time_t(uint32_t(s.number(5)))) : wxDateTime::Today();
            return new wxCalendarCtrl(parent, wxID_ANY, date);
        }
        case PreviewKind::Canvas: {
            auto* canvas = new wxWindow(parent, wxID_ANY);
            canvas->SetBackgroundColour(*wxWHITE);
            return canvas;
        }
        case PreviewKind::CheckBox:
            return new wxCheckBox(parent, wxID_ANY, labelOf(s, 5), noPos, noSize,
                                  has("#pb_checkbox_threestate") ? wxCHK_3STATE : wxCHK_2STATE);
        case PreviewKind::ComboBox:
            if (has("#pb_combobox_editable")) {
                return popUpAsList(new wxComboBox(parent, wxID_ANY));
            }
            return popUpAsList(new wxChoice(parent, wxID_ANY));
        case PreviewKind::Container: {
            // Borderless unless the line asks for a border, as in the running program.
            long border = wxBORDER_NONE;
            if (has("#pb_container_raised")) border = wxBORDER_RAISED;
            if (has("#pb_container_flat") || has("#pb_container_single")) border = wxBORDER_SIMPLE;
            if (has("#pb_container_double")) border = wxBORDER_SUNKEN;
            return new wxPanel(parent, wxID_ANY, noPos, noSize, border | wxTAB_TRAVERSAL);
        }
        case PreviewKind::Date:
            return makeDate(parent, s, 6);
        case PreviewKind::Editor:
            return new wxTextCtrl(
                parent, wxID_ANY, {}, noPos, noSize,
                wxTE_MULTILINE | (has("#pb_editor_readonly") ? wxTE_READONLY : 0));
        case PreviewKind::ExplorerCombo:
            return new wxComboBox(parent, wxID_ANY, textOf(s, 5));
        case PreviewKind::ExplorerList:
        case PreviewKind::ExplorerTree:
            return makeFolderTree(parent, textOf(s, 5));
        case PreviewKind::Frame:
            return new wxStaticBox(parent, wxID_ANY, labelOf(s, 5));
        case PreviewKind::HyperLink: {
            // The toolkit insists on a target address, and opens it in a browser when nobody
            // handles the click. A click in the preview selects the gadget and nothing else.
            const wxString text = textOf(s, 5);
            auto* link = new wxGenericHyperlinkCtrl(parent, wxID_ANY, text,
                                                    text.empty() ? wxString(" ") : text);
            link->Bind(wxEVT_HYPERLINK, [](wxHyperlinkEvent&) {});
            link->SetNormalColour(colourOf(s.number(6)));
            link->SetVisitedColour(colourOf(s.number(6)));
            return link;
        }
        case PreviewKind::Image:
        case PreviewKind::OpenGL:
            return makePictureView(parent, image, kind,
                                   has("#pb_image_border") ? wxBORDER_SUNKEN : wxBORDER_NONE);
        case PreviewKind::IPAddress:
            return new wxTextCtrl(parent, wxID_ANY, "127.0.0.1");
        case PreviewKind::ListIcon: {
            auto* list = new ColumnList(parent, noPos, noSize, has("#pb_listicon_gridlines"));
            list->addColumn(-1, textOf(s, 5), s.size(6));
            return list;
        }
        case PreviewKind::ListView:
            return new wxListBox(parent, wxID_ANY);
        case PreviewKind::Option:
            return new wxRadioButton(parent, wxID_ANY, labelOf(s, 5));
        case PreviewKind::Panel:
            return new wxNotebook(parent, wxID_ANY);
        case PreviewKind::ProgressBar:
            return makeProgressBar(parent, s, has("#pb_progressbar_vertical"));
        case PreviewKind::ScrollArea:
            return makeScrollArea(parent, s);
        case PreviewKind::ScrollBar:
            return makeScrollBar(parent, s, has("#pb_scrollbar_vertical"));
        case PreviewKind::Shortcut:
            return new wxTextCtrl(parent, wxID_ANY);
        case PreviewKind::Spin: {
            const int32_t min = s.number(5);
            return new wxSpinCtrl(parent, wxID_ANY, {}, noPos, noSize, wxSP_ARROW_KEYS, min,
                                  std::max(s.number(6), min), min);
        }
        case PreviewKind::String: {
            const long style = (has("#pb_string_password") ? wxTE_PASSWORD : 0) |
                               (has("#pb_string_readonly") ? wxTE_READONLY : 0) |
                               (has("#pb_string_borderless") ? wxBORDER_NONE : 0);
            return new wxTextCtrl(parent, wxID_ANY, textOf(s, 5), noPos, noSize, style);
        }
        case PreviewKind::Text: {
            long style = has("#pb_text_center")  ? wxALIGN_CENTRE_HORIZONTAL
                         : has("#pb_text_right") ? wxALIGN_RIGHT
                                                 : wxALIGN_LEFT;
            if (has("#pb_text_border")) style |= wxBORDER_SIMPLE;
            return new wxStaticText(parent, wxID_ANY, labelOf(s, 5), noPos, noSize,
                                    style | wxST_NO_AUTORESIZE);
        }
        case PreviewKind::TrackBar: {
            const ValueRange r = trackBarRange(s.number(5), s.number(6));
            return new wxSlider(parent, wxID_ANY, r.min, r.min, r.max, noPos, noSize,
                                has("#pb_trackbar_vertical") ? wxSL_VERTICAL : wxSL_HORIZONTAL);
        }
        case PreviewKind::Tree:
        case PreviewKind::Web:
            return new wxDataViewTreeCtrl(parent, wxID_ANY);
        default:
            return nullptr;
    }
}

long windowStyle(std::string_view code) {
    const auto has = [code](std::string_view flag) { return lineNamesFlag(code, flag); };
    if (has("#pb_window_borderless")) return wxBORDER_NONE;
    long style = wxCAPTION;
    if (has("#pb_window_systemmenu")) style |= wxSYSTEM_MENU | wxCLOSE_BOX;
    if (has("#pb_window_minimizegadget")) style |= wxSYSTEM_MENU | wxMINIMIZE_BOX;
    if (has("#pb_window_maximizegadget")) style |= wxSYSTEM_MENU | wxMAXIMIZE_BOX;
    if (has("#pb_window_sizegadget")) style |= wxRESIZE_BORDER;
    if (has("#pb_window_tool")) style |= wxFRAME_TOOL_WINDOW;
    return style;
}

bool opensGadgetList(PreviewKind kind) {
    return kind == PreviewKind::Container || kind == PreviewKind::Panel ||
           kind == PreviewKind::ScrollArea;
}

}  // namespace tessaly
