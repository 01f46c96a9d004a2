#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/graphics.h>
#include <wx/window.h>

#include <functional>
#include <map>
#include <memory>

#include "tabbar/tabbar_control.h"

namespace tessaly {

// The tab bar's canvas: a plain window that paints the whole bar itself and hands every mouse
// event to the tab bar. It owns the bar's state (the canvas's user data in the toolkit's model),
// so the state lives exactly as long as the canvas.
class TabBarCanvas : public wxWindow, private TabBarHost {
  public:
    // Creates the canvas and the bar with the given option flags (TabBarControl's create).
    TabBarCanvas(wxWindow* parent, int32_t number, const wxPoint& pos, const wxSize& size,
                 uint32_t flags);
    ~TabBarCanvas() override;

    TabBarControl& bar() { return *bar_; }
    const TabBarControl& bar() const { return *bar_; }

    // Called after every canvas event the bar turned into an event code other than NoEvent,
    // with that code; eventTab() tells which tab. May change the window freely.
    void setEventHandler(std::function<void(int32_t code)> handler) {
        handler_ = std::move(handler);
    }

    // Hands one event to the bar as if the canvas had received it; returns the event code.
    int32_t deliver(const InputEvent& event);

    // Paints the whole bar, as it stands, into a device context of the canvas's size.
    void paintTo(wxDC& dc);

    // Clicking the bar gives it the keyboard focus.
    bool AcceptsFocus() const override { return true; }

  private:
    int32_t canvasWidth() const override;
    int32_t canvasHeight() const override;
    void setCanvasHeight(int32_t height) override;
    int32_t textWidth(FontHandle font, const std::string& text) override;
    void setToolTip(const std::string& text) override;
    PictureHandle copyPicture(PictureHandle source) override;
    void freePicture(PictureHandle copy) override;
    void repaint() override { Refresh(false); }

    void onPaint(wxPaintEvent& event);
    void onMouse(wxMouseEvent& event, InputType type);

    std::unique_ptr<wxGraphicsContext> measuring_;
    std::map<PictureHandle, wxBitmap> pictures_;
    PictureHandle nextPicture_ = 1;
    int32_t wheelRotation_ = 0;  // wheel rotation not yet a whole notch
    std::function<void(int32_t)> handler_;
    std::unique_ptr<TabBarControl> bar_;  // last: built once the canvas can serve it
};

}  // namespace tessaly
