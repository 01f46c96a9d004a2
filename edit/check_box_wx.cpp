#include "edit/check_box_wx.h"

#include <wx/dcclient.h>

#include "edit/check_box.h"
#include "ui/registry_wx.h"

namespace tessaly {

void drawCheckBox(wxDC& dc, int32_t x, int32_t y, int32_t width, int32_t height, bool ticked) {
    // Filled rectangles without an outline: an outline pen would be centred on the pixel edges
    // and blend into the neighbours on anti-aliasing back ends.
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const PaintStep& s : checkBoxSteps(x, y, width, height, ticked)) {
        dc.SetBrush(wxBrush(wxColour(s.grey, s.grey, s.grey)));
        dc.DrawRectangle(s.x, s.y, s.width, s.height);
    }
}

void makeSwitchCanvas(wxWindow* canvas, int32_t number) {
    canvas->SetBackgroundStyle(wxBG_STYLE_PAINT);
    canvas->Bind(wxEVT_PAINT, [canvas, number](wxPaintEvent&) {
        wxPaintDC dc(canvas);
        const wxSize size = canvas->GetClientSize();
        drawCheckBox(dc, 0, 0, size.x, size.y, Registry::instance().data(number) == 1);
    });
}

void setSwitchState(int32_t number, bool ticked) {
    Registry& registry = Registry::instance();
    registry.setData(number, ticked ? 1 : 0);
    if (wxWindow* w = registry.control(number)) w->Refresh(false);
}

}  // namespace tessaly
