#pragma once

#include <wx/gdicmn.h>

#include <cstdint>
#include <string>
#include <vector>

class wxChoice;
class wxWindow;

namespace tessaly {

// Entries for the element picker, gathered while a reading builds the preview and added to the
// drop-down in one call when it is done. Added one at a time, a drop-down of GTK re-measures all
// its entries for each one, which makes filling it quadratic in the number of elements.
class PickerBatch {
  public:
    // Starts gathering; entry indices count on from `firstIndex` (the entries already there).
    void start(int32_t firstIndex);
    bool active() const { return active_; }
    // Gathers one entry carrying listIndex as its item data and returns the index it will have.
    int32_t add(const std::string& text, int32_t listIndex);
    // Appends everything gathered to the picker in one call and stops gathering.
    void finish(wxChoice* picker);

  private:
    bool active_ = false;
    int32_t first_ = 0;
    std::vector<std::string> texts_;
    std::vector<int32_t> data_;
};

// The element picker: a drop-down list (wxChoice) whose cost grows linearly with its entries.
// Entries added in one call go in with the list detached from the drop-down (GTK would rebuild
// part of its pop-up for each entry), and it asks only for the room of the entry it shows.
wxChoice* createPicker(wxWindow* parent, const wxPoint& pos, const wxSize& size);

// Makes the drop-down ask only for the room of the entry it shows: by default GTK measures every
// entry's text on each size request of the window, which for thousands of entries costs more than
// the rest of the window together. The picker's size is set by the layout in any case.
void measureShownEntryOnly(wxChoice* picker);

}  // namespace tessaly
