#pragma once

#include <wx/choice.h>

namespace tessaly {

// While it lives, entries appended to the choice do not reach its pop-up menu; the menu is built
// once, with every entry, when it ends. GTK's menu of a drop-down list looks through all its
// items for each entry added, so a reading of a few thousand gadgets would take minutes.
class PickerBatch {
  public:
    explicit PickerBatch(wxChoice* choice);
    ~PickerBatch();
    PickerBatch(const PickerBatch&) = delete;
    PickerBatch& operator=(const PickerBatch&) = delete;

  private:
    // GTK objects (kept as void* to keep GTK's headers out): the menu, while it is detached from
    // the entries, and the entries' model that it gets back.
    void* menu_ = nullptr;
    void* model_ = nullptr;
};

}  // namespace tessaly
