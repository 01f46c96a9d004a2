#include "edit/check_box_wx.h"

#include <wx/dcclient.h>

#include "app/registry_wx.h"
#include "edit/check_box.h"

namespace tessaly {

void drawCheckBox(wxDC& dc, int32_t x, int32_t y, int32_t width, int32_t height, bool ticked) {
    for (const PaintStep& s : checkBoxSteps(x, y, width, height, ticked)) {
        const wxColour c(s.grey, s.grey, s.grey);
        dc.SetPen(wxPen(c));
        dc.SetBrush(wxBrush(c));
        if (s.width == 1 && s.height == 1) {
            dc.DrawPoint(s.x, s.y);
        } else {
            dc.DrawRectangle(s.x, s.y, s.width, s.height);
        }
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
