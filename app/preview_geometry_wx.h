#pragma once

#include <wx/window.h>

#include <optional>
#include <unordered_map>

#include "app/anchors.h"

namespace tessaly {

// Where the controls of one top-level window can be seen, in that window's client coordinates:
// a control's own rectangle cut to the visible part of every container around it, nothing for a
// control that is not shown (one on another panel tab, in a hidden container). Containers are
// worked out once per object, so one pass over many controls costs one step per control.
class VisibleRects {
  public:
    explicit VisibleRects(wxWindow* topLevel) : top_(topLevel) {}
    std::optional<Rect> of(wxWindow* control);

  private:
    wxWindow* top_;
    std::unordered_map<wxWindow*, std::optional<Rect>> known_;
};

}  // namespace tessaly
