#include "tabbar/tabbar_canvas_wx.h"

#include <wx/dcbuffer.h>
#include <wx/image.h>

#include "tabbar/gc_surface_wx.h"
#include "tabbar/tabbar_fonts_wx.h"
#include "tabbar/tabbar_paint.h"
#include "ui/registry_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

TabBarCanvas::TabBarCanvas(wxWindow* parent, int32_t number, const wxPoint& pos, const wxSize& size,
                           uint32_t flags) {
    // Every pixel is ours: no background erasing, no flicker.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, wxID_ANY, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE);
    measuring_.reset(wxGraphicsRenderer::GetDefaultRenderer()->CreateMeasuringContext());

    Bind(wxEVT_PAINT, &TabBarCanvas::onPaint, this);
    const std::pair<wxEventTypeTag<wxMouseEvent>, InputType> mouse[] = {
        {wxEVT_LEFT_DOWN, InputType::LeftDown},
        {wxEVT_LEFT_UP, InputType::LeftUp},
        {wxEVT_MIDDLE_DOWN, InputType::MiddleDown},
        {wxEVT_MIDDLE_UP, InputType::MiddleUp},
        {wxEVT_MOTION, InputType::Move},
        {wxEVT_MOUSEWHEEL, InputType::Wheel},
        {wxEVT_LEFT_DCLICK, InputType::LeftDoubleClick},
        // The toolkit reports the second press of a quick double click only as a double
        // click: for the middle button that press is all the bar needs.
        {wxEVT_MIDDLE_DCLICK, InputType::MiddleDown},
        {wxEVT_LEAVE_WINDOW, InputType::Leave},
        {wxEVT_ENTER_WINDOW, InputType::Other},
        {wxEVT_RIGHT_DOWN, InputType::Other},
        {wxEVT_RIGHT_UP, InputType::Other},
    };
    for (const auto& [eventType, type] : mouse) {
        Bind(eventType, [this, type = type](wxMouseEvent& e) { onMouse(e, type); });
    }
    Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) {
        const wxPoint p = ScreenToClient(wxGetMousePosition());
        deliver(InputEvent{InputType::Other, p.x, p.y, 0});
        e.Skip();
    });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        if (bar_) bar_->update();
        e.Skip();
    });
    TabBarHost& host = *this;
    bar_ = std::make_unique<TabBarControl>(host, number, flags);
}

TabBarCanvas::~TabBarCanvas() {
    bar_.reset();  // the bar frees its picture copies through us: while we still exist
}

int32_t TabBarCanvas::deliver(const InputEvent& event) {
    const int32_t code = bar_->handleEvent(event);
    if (code != NoEvent && handler_) handler_(code);
    return code;
}

void TabBarCanvas::onMouse(wxMouseEvent& e, InputType type) {
    const bool press = type == InputType::LeftDown || type == InputType::LeftDoubleClick;
    if (press && FindFocus() != this) SetFocus();
    // The second press of a quick double click arrives only as the double click: it is a press
    // all the same (two quick clicks on the new-tab button ask for two tabs).
    if (type == InputType::LeftDoubleClick) {
        deliver(InputEvent{InputType::LeftDown, e.GetX(), e.GetY(), 0});
    }
    int32_t notches = 0;
    if (type == InputType::Wheel) {
        if (e.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL || e.GetWheelDelta() == 0) return;
        // Smooth scrolling sends small parts of a notch: they add up until a whole one is there.
        wheelRotation_ += e.GetWheelRotation();
        notches = wheelRotation_ / e.GetWheelDelta();
        wheelRotation_ -= notches * e.GetWheelDelta();
    }
    deliver(InputEvent{type, e.GetX(), e.GetY(), notches});
    e.Skip();
}

void TabBarCanvas::onPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    paintTo(dc);
}

void TabBarCanvas::paintTo(wxDC& dc) {
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc) return;  // nothing can be drawn: the bar stays as it is on screen
    const wxSize size = GetClientSize();
    GcSurface surface(*gc, size.x, size.y, [this](PictureHandle p) -> const wxBitmap* {
        const auto it = pictures_.find(p);
        return it == pictures_.end() ? nullptr : &it->second;
    });
    paintTabBar(bar_->state(), tabBarDefaults(), surface);
}

int32_t TabBarCanvas::canvasWidth() const {
    return GetClientSize().x;
}

int32_t TabBarCanvas::canvasHeight() const {
    return GetClientSize().y;
}

void TabBarCanvas::setCanvasHeight(int32_t height) {
    SetSize(wxSize(GetSize().x, height));
}

int32_t TabBarCanvas::textWidth(FontHandle font, const std::string& text) {
    if (!measuring_) return 0;
    return measureText(*measuring_, tabBarFont(font), text).x;
}

void TabBarCanvas::setToolTip(const std::string& text) {
    if (text.empty()) {
        UnsetToolTip();
    } else {
        SetToolTip(toWx(text));
    }
}

PictureHandle TabBarCanvas::copyPicture(PictureHandle source) {
    const wxBitmap* bitmap = Registry::instance().image(static_cast<int>(source));
    if (bitmap == nullptr || !bitmap->IsOk()) return 0;
    wxImage image = bitmap->ConvertToImage();
    if (!image.HasAlpha()) image.InitAlpha();
    image.Rescale(kTabPictureSize, kTabPictureSize, wxIMAGE_QUALITY_HIGH);
    const PictureHandle handle = nextPicture_++;
    pictures_[handle] = wxBitmap(image, 32);
    return handle;
}

void TabBarCanvas::freePicture(PictureHandle copy) {
    pictures_.erase(copy);
}

}  // namespace tessaly
