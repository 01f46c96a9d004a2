#pragma once

#include <wx/window.h>
// weakref.h needs the window's headers first.
#include <wx/weakref.h>

#include <array>

namespace tessaly {

// The outline around the current gadget in the preview: four 2-pixel bars in a colour that
// stands out, laid around the control as its siblings, so the control itself is never changed.
// Follows the control when it moves or resizes; vanishes with the control's parent.
class SelectionFrame {
  public:
    static constexpr int kThickness = 2;

    // Puts the frame around `control` (nullptr or a top-level window: no frame) and brings the
    // panel tabs that hold it to the front.
    void surround(wxWindow* control);
    // Lays the frame around its control again after the control moved or resized.
    void follow();
    void hide();
    // The control the frame is around, nullptr while hidden.
    wxWindow* control() const { return control_.get(); }

  private:
    wxWeakRef<wxWindow> control_;
    std::array<wxWeakRef<wxWindow>, 4> bars_;
};

}  // namespace tessaly
