#pragma once

#include <wx/bitmap.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <cstdint>
#include <unordered_map>

namespace tessaly {

// The program's numbers for windows, controls and images, as PureBasic programs use them.
// Main window: window 0 with controls 0..33 (fixed). Everything the preview makes gets a number
// from kFirstAllocated upwards, so a lookup can never reach a main window control by accident.
// A destroyed window or control leaves the registry by itself.
class Registry {
  public:
    static constexpr int kFirstAllocated = 100000;

    static Registry& instance();

    // Windows (top-level).
    void setWindow(int number, wxTopLevelWindow* window);
    int addWindow(wxTopLevelWindow* window);
    wxTopLevelWindow* window(int number) const;
    // Number of a registered top-level window, -1 if it has none.
    int windowNumber(const wxWindow* window) const;

    // Controls.
    void setControl(int number, wxWindow* control);
    int addControl(wxWindow* control);
    wxWindow* control(int number) const;
    bool isLiveControl(int number) const { return control(number) != nullptr; }
    // Number of a registered control, -1 if it has none.
    int controlNumber(const wxWindow* control) const;
    // Destroys the control (and its children) if the number names a live one.
    void destroyControl(int number);

    // One integer of user data per control; 0 for numbers that have none.
    int64_t data(int number) const;
    void setData(int number, int64_t value);

    // Images.
    int addImage(const wxBitmap& image);
    void setImage(int number, const wxBitmap& image);
    const wxBitmap* image(int number) const;
    void freeImage(int number);

    // Forgets everything (tests start from a clean registry).
    void reset();

  private:
    void watchDestroy(wxWindow* w);
    void forget(wxWindow* w);
    static void unlink(std::unordered_multimap<const wxWindow*, int>& numbers, const wxWindow* w,
                       int number);

    std::unordered_map<int, wxTopLevelWindow*> windows_;
    std::unordered_map<int, wxWindow*> controls_;
    // The same, from object to number, so that a destroyed object leaves without a search.
    std::unordered_multimap<const wxWindow*, int> windowNumbers_;
    std::unordered_multimap<const wxWindow*, int> controlNumbers_;
    std::unordered_map<int, int64_t> data_;
    std::unordered_map<int, wxBitmap> images_;
    // Windows and controls share one counter: an element's object number (a window for the
    // window line, a control for a gadget) then names one object only.
    int nextObject_ = kFirstAllocated;
    int nextImage_ = kFirstAllocated;
};

}  // namespace tessaly
