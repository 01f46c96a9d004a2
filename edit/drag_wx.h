#pragma once

#include <wx/toplevel.h>
#include <wx/weakref.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "edit/drag.h"
#include "edit/pages_wx.h"
#include "edit/pointer_capture_wx.h"
#include "edit/selection_frame_wx.h"
#include "form/expression.h"
#include "form/model.h"

namespace tessaly {

// What direct manipulation needs from the program around it.
class DragHost {
  public:
    virtual ~DragHost() = default;
    virtual ElementList& elements() = 0;
    virtual EditPages& pages() = 0;
    // The gadget element under a screen point as hover tracking finds it (list index), -1: none.
    virtual int32_t elementAt(int32_t screenX, int32_t screenY) = 0;
    // Shows element `element` on the pages as choosing its picker entry does.
    virtual void choose(int32_t element) = 0;
    virtual NameLookup namesAt(int32_t line) = 0;
    virtual void setStatus(const std::string& text) = 0;
};

// Direct manipulation in the preview: a press selects (Ctrl+press adds or removes), a drag moves
// the selected gadgets, a handle of the selection frame resizes, a drag from an empty spot draws
// a band that selects what it encloses. Controls follow the pointer live; the lines are written
// once, on release, as one undo step. The arithmetic is drag.h's; this turns pointer events into
// it and moves controls.
class PreviewDrag : private PointerClient {
  public:
    explicit PreviewDrag(DragHost& host);
    ~PreviewDrag() override;

    // Binds the grid switch of the main window. The main window must exist.
    void attach();
    // Takes the left presses of a preview window from now on.
    void watch(wxTopLevelWindow* preview);
    // True when presses into the preview come here (then the press watch leaves them alone).
    bool takesPresses() const { return capture_->works(); }
    // The pages show element `element`: it becomes the whole selection, unless a Ctrl+press or a
    // band is choosing the selection just now.
    void shown(int32_t element);
    // A reading: nothing selected, nothing under way.
    void reset();
    // Lays handles and the other selected gadgets' frames around their controls again.
    void refreshMarks();
    // A Ctrl/Alt+arrow nudge (items 1..8) with several gadgets selected: all of them move or
    // size, one undo step. False, and nothing done, with one gadget or none selected.
    bool nudgeSelection(int32_t item);
    const SelectionSet& selection() const { return selection_; }
    bool gridOn() const;

    // PointerClient, public for the benchmark and tests that drive a drag without a pointer.
    bool press(wxTopLevelWindow* window, int x, int y, PointerKeys keys) override;
    void motion(int x, int y, PointerKeys keys) override;
    void release(int x, int y, PointerKeys keys) override;
    void escape() override;

  private:
    enum class Mode { Idle, Pending, Moving, Resizing, Banding, Cancelled };
    struct Moved {
        int32_t element = -1;
        wxWeakRef<wxWindow> control;
        wxRect start;
    };

    wxWindow* controlOf(int32_t element) const;
    void toggle(int32_t element);
    void beginMove();
    void beginResize();
    void beginBand();
    // The drag scene of `element`'s control: its box, its parent's bounds, its siblings.
    DragScene sceneOf(int32_t element, wxWindow* control) const;
    Box boundsOf(int32_t element, wxWindow* control) const;
    void showGuides(const std::vector<Guide>& guides, wxWindow* parent);
    void showBand(int x, int y);
    void finishBand(int x, int y);
    void commitMoves(int32_t dx, int32_t dy, int32_t dw, int32_t dh);
    void putBack();
    void endDrag();
    // The window of the gadgets inside `container` under the screen point, nullptr for none.
    wxWindow* gadgetsParentAt(wxWindow* container, int x, int y) const;

    DragHost& host_;
    std::unique_ptr<PointerCapture> capture_;
    SelectionSet selection_;
    bool choosing_ = false;  // the selection is being chosen here: a show does not reset it
    std::vector<SelectionFrame> frames_;  // around the selected gadgets after the first
    std::array<wxWeakRef<wxWindow>, kHandles> handles_;
    std::vector<wxWeakRef<wxWindow>> guides_;
    std::array<wxWeakRef<wxWindow>, 4> band_;

    Mode mode_ = Mode::Idle;
    int pressX_ = 0;
    int pressY_ = 0;
    int32_t pressed_ = -1;  // the element pressed (or whose handle was), -1 for none
    Handle handle_ = Handle::None;
    bool bandable_ = false;
    bool passClick_ = false;
    wxWeakRef<wxWindow> bandParent_;
    std::vector<Moved> moved_;
    DragScene scene_;
    DeltaRange range_;
    Box last_;
};

}  // namespace tessaly
