#include "app/main_window_wx.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <set>

#include "app/compact_style_wx.h"
#include "app/picker_wx.h"
#include "app/platform/desktop.h"
#include "app/tab_bar_seam_wx.h"
#include "edit/check_box_wx.h"
#include "ui/registry_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

namespace {

wxFont mainFont() {
    const int dpi = fontResolution();
    return wxFont(wxFontInfo(fontPointSize(dpi)).FaceName(toWx(main_window::kFontName)));
}

void applyColours(wxWindow* w, ColourRole role) {
    switch (role) {
        case ColourRole::None:
            break;
        case ColourRole::Page:
            w->SetBackgroundColour(toColour(kPageBackground));
            break;
        case ColourRole::PageLabel:
            w->SetForegroundColour(toColour(kQuietText));
            w->SetBackgroundColour(toColour(kPageBackground));
            break;
        case ColourRole::Field:
            w->SetForegroundColour(toColour(kFieldText));
            w->SetBackgroundColour(toColour(kFieldBackground));
            break;
        case ColourRole::WindowLabel:
            w->SetForegroundColour(toColour(kQuietText));
            w->SetBackgroundColour(toColour(kWindowBackground));
            break;
        case ColourRole::CodeView:
            w->SetForegroundColour(toColour(kQuietText));
            w->SetBackgroundColour(toColour(kFieldBackground));
            break;
    }
}

wxWindow* createControl(const ControlDesign& d, wxWindow* parent, const wxFont& font,
                        const std::function<void(const wxString&)>& onTabSelected) {
    const wxPoint pos(d.rect.x, d.rect.y);
    const wxSize size(d.rect.width, d.rect.height);
    const wxString text = toWx(d.text);
    switch (d.kind) {
        case ControlKind::Picker: {
            wxChoice* picker = createPicker(parent, pos, size);
            makeCompact(picker);
            return picker;
        }
        case ControlKind::Page:
            return new wxPanel(parent, wxID_ANY, pos, size, wxBORDER_SIMPLE | wxTAB_TRAVERSAL);
        case ControlKind::Label:
            return new wxStaticText(parent, wxID_ANY, text, pos, size, wxST_NO_AUTORESIZE);
        case ControlKind::TextField:
            return new wxTextCtrl(parent, wxID_ANY, text, pos, size);
        case ControlKind::DigitsField:
            // Positions and sizes take what the language takes: "-5", "$1F", "width - 110".
            return new wxTextCtrl(parent, wxID_ANY, text, pos, size);
        case ControlKind::Canvas: {
            auto* canvas = new wxWindow(parent, wxID_ANY, pos, size, wxBORDER_NONE);
            makeSwitchCanvas(canvas, d.number);
            return canvas;
        }
        case ControlKind::TabBar:
            return createMainTabBar(parent, font, onTabSelected);
        case ControlKind::FlagList: {
            auto* list = new wxListCtrl(parent, wxID_ANY, pos, size, wxLC_REPORT);
            list->EnableCheckBoxes(true);
            list->InsertColumn(0, "Flag(s)", wxLIST_FORMAT_LEFT, 280);
            return list;
        }
        case ControlKind::Button:
            return new wxButton(parent, wxID_ANY, text, pos, size);
        case ControlKind::CodeView:
            return new wxTextCtrl(
                parent, wxID_ANY, text, pos, size,
                wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL | wxVSCROLL);
    }
    return nullptr;
}

// Controls that re-lay has hidden because their computed size was not positive.
std::set<int32_t>& hiddenByRelay() {
    static std::set<int32_t> hidden;
    return hidden;
}

}  // namespace

wxFrame* buildMainWindow(AnchorTable& anchors, std::function<void(const wxString&)> onTabSelected) {
    using namespace main_window;
    Registry& registry = Registry::instance();
    anchors.clear();
    hiddenByRelay().clear();
    const wxFont font = mainFont();

    // The frame erases its background only around its children (wxCLIP_CHILDREN): no flicker.
    auto* frame = new wxFrame(nullptr, wxID_ANY, toWx(kTitle), wxDefaultPosition, wxDefaultSize,
                              wxDEFAULT_FRAME_STYLE | wxSTAY_ON_TOP | wxCLIP_CHILDREN);
    frame->SetClientSize(kInnerWidth, kInnerHeight);
    frame->SetBackgroundColour(toColour(kWindowBackground));
    registry.setWindow(kWindow, frame);

    for (const ControlDesign& d : mainWindowControls()) {
        wxWindow* parent =
            d.parent < 0 ? static_cast<wxWindow*>(frame) : registry.control(d.parent);
        wxASSERT(parent);
        wxWindow* w = createControl(d, parent, font, onTabSelected);
        if (d.font) w->SetFont(font);
        applyColours(w, d.colours);
        if (d.kind == ControlKind::CodeView) {
            // Font and colours are the control's own; as a default style the toolkit would apply
            // them again to every text put in, at a cost that grows with the text behind it.
            static_cast<wxTextCtrl*>(w)->SetDefaultStyle(wxTextAttr());
        }
        if (!d.toolTip.empty()) w->SetToolTip(toWx(d.toolTip));
        if (!d.visible) w->Hide();
        registry.setControl(d.number, w);
        // The tab bar keeps its own state record as its data; everything else starts with the
        // designed value.
        if (d.kind != ControlKind::TabBar) registry.setData(d.number, d.data);
    }

    for (const AnchorDesign& a : mainWindowAnchors()) {
        wxWindow* w = registry.control(a.gadget);
        const Rect rect{w->GetPosition().x, w->GetPosition().y, w->GetSize().x, w->GetSize().y};
        anchors.anchor(kWindow, a.gadget, rect, kInnerWidth, kInnerHeight, a.lockLeft, a.lockTop,
                       a.lockRight, a.lockBottom);
    }

    frame->SetMinClientSize(wxSize(kMinWidth, kMinHeight));
    frame->Centre();
    frame->Show();
    return frame;
}

void relayWindow(const AnchorTable& anchors, int32_t window) {
    Registry& registry = Registry::instance();
    wxTopLevelWindow* top = registry.window(window);
    if (!top) return;
    const wxSize inner = top->GetClientSize();
    for (const AnchorPlacement& p : anchors.relay(window, inner.x, inner.y)) {
        wxWindow* w = registry.control(p.gadget);
        if (!w) continue;
        const int width = p.width.value_or(w->GetSize().x);
        const int height = p.height.value_or(w->GetSize().y);
        if (width <= 0 || height <= 0) {
            // Only re-lay's own hiding is undone later; a control hidden on purpose stays so.
            if (w->IsShown()) {
                w->Hide();
                hiddenByRelay().insert(p.gadget);
            }
            w->Move(p.x, p.y);
            continue;
        }
        w->SetSize(p.x, p.y, width, height, wxSIZE_ALLOW_MINUS_ONE);
        if (hiddenByRelay().erase(p.gadget) != 0) w->Show();
    }
}

}  // namespace tessaly
