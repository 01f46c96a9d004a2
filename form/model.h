#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly {

// Parameter types as the reader sets them.
inline constexpr int32_t kTypeText = 8;    // written back inside double quotes
inline constexpr int32_t kTypePlain = 21;  // number, constant or expression, written as it stands

// Element kinds (copied from the keyword entry).
inline constexpr int32_t kSortWindow = 0;      // listed in the picker, not a control
inline constexpr int32_t kSortGadget = 1;      // a control: destroyed before the next reading
inline constexpr int32_t kSortPositional = 2;  // item, column, close-list: arguments by position

// One argument of a call line.
struct sParameter {
    std::string Name;   // from the keyword entry, markers removed; empty for positional calls
    std::string Value;  // the argument as written, trimmed; a string literal of a text entry
                        // without its quotes
    int32_t Type = 0;   // kTypeText, kTypePlain, or 0 for positional calls
    uint8_t Mandatory = 0;
    uint8_t TextEntry = 0;  // 1: the keyword names a text here (written as a literal or as code)
};

// One recognised call line of the form code.
struct sElement {
    int32_t Index = 0;     // the element's entry in the element picker
    int32_t Sort = 0;      // kind, see kSort*
    int32_t Line = 0;      // 0-based line of the code the element was read from (the first
                           // line of a statement continued over several lines)
    int32_t Lines = 1;     // how many lines the statement spans
    int32_t Position = 0;  // 1-based byte position of the call name in that line
    std::string Code;      // the statement as read: its line, or its lines with their breaks
    int32_t Gadget = 0;    // number of the preview object, 0 while there is none
    int32_t Image = 0;     // number of the image the preview control shows, 0 if none
    uint8_t PbAny = 0;     // 1: the identifier is written as #PB_Any
    std::string KeyWord;   // call name spelled as the keyword file spells it
    int32_t Created = 0;   // 1 once a button's control has been made
    std::string Flags;     // the keyword's flag names, separated by "|"
    std::vector<sParameter> Parameters;
};

// The ordered element list with its current element. Appending makes the new element current.
// Index -1 means no current element (an empty list, or nothing selected yet).
class ElementList {
  public:
    void clear() {
        elements_.clear();
        current_ = -1;
    }
    sElement& append() {
        elements_.emplace_back();
        current_ = int(elements_.size()) - 1;
        return elements_.back();
    }
    int count() const { return int(elements_.size()); }
    bool empty() const { return elements_.empty(); }

    // Makes element i current; an index outside the list leaves no current element.
    void select(int i) { current_ = (i >= 0 && i < count()) ? i : -1; }
    void first() { select(0); }
    int currentIndex() const { return current_; }
    sElement* current() { return current_ >= 0 ? &elements_[size_t(current_)] : nullptr; }
    const sElement* current() const {
        return current_ >= 0 ? &elements_[size_t(current_)] : nullptr;
    }

    sElement& operator[](int i) { return elements_[size_t(i)]; }
    const sElement& operator[](int i) const { return elements_[size_t(i)]; }
    std::vector<sElement>::iterator begin() { return elements_.begin(); }
    std::vector<sElement>::iterator end() { return elements_.end(); }
    std::vector<sElement>::const_iterator begin() const { return elements_.begin(); }
    std::vector<sElement>::const_iterator end() const { return elements_.end(); }

  private:
    std::vector<sElement> elements_;
    int current_ = -1;
};

// Keeps the list's current position across a nested walk and puts it back on leaving scope.
class KeepCurrent {
  public:
    explicit KeepCurrent(ElementList& list) : list_(list), saved_(list.currentIndex()) {}
    ~KeepCurrent() { list_.select(saved_); }
    KeepCurrent(const KeepCurrent&) = delete;
    KeepCurrent& operator=(const KeepCurrent&) = delete;

  private:
    ElementList& list_;
    int saved_;
};

}  // namespace tessaly
