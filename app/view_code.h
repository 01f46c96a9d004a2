#pragma once

#include <cstdint>

namespace tessaly {

// The view-code switch: shows and hides the code view by resizing the main window. Pure state;
// the window layer asks for the widths it returns and shows the switch and credit label.
class ViewCodeSwitch {
  public:
    // `codeViewLeft` is the inner width at which the code view lies wholly outside the window;
    // `fallbackWidth` is restored when no width was ever saved by hiding with the switch.
    ViewCodeSwitch(int32_t codeViewLeft, int32_t fallbackWidth)
        : codeViewLeft_(codeViewLeft), fallbackWidth_(fallbackWidth) {}

    // What a press on the switch asks of the window.
    struct Request {
        int32_t innerWidth = 0;
        bool showCredit = false;
    };

    // A press on the switch: hides the code view (saving the full width) or brings it back at
    // the saved width. The switch is drawn by the resize that follows, not here.
    Request toggle();

    // After any size change of the main window: ticked exactly while the code view can be seen.
    // Returns the new state (true: draw ticked, show the credit label).
    bool resized(int32_t innerWidth);

    bool ticked() const { return state_ == 1; }
    int32_t fullWidth() const { return fullWidth_; }
    int32_t savedWidth() const { return savedWidth_; }

  private:
    int32_t codeViewLeft_;
    int32_t fallbackWidth_;
    int32_t state_ = 1;
    int32_t fullWidth_ = 0;
    int32_t savedWidth_ = 0;
};

}  // namespace tessaly
