#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/expression.h"
#include "form/model.h"

namespace tessaly {

// The Parameters page shows the first ten parameter entries of the current element: entry 0 in
// the name field, 1..4 in the X, Y, Width and Height fields, 5..9 in parameter fields 1..5. A
// field is addressed by the position of the entry it shows.
inline constexpr int kPageFields = 10;
inline constexpr int kNamePosition = 0;

struct PageField {
    std::string text;
    bool shown = false;
    bool enabled = true;
    bool windowReference = false;  // the entry names a window: shown, never changed
};

// Everything both pages show for one element. Showing writes nothing to the model.
struct PagesView {
    std::array<std::string, kPageFields> labels;
    std::array<PageField, kPageFields> fields;
    bool anyNumber = false;  // the any-number switch is ticked
    bool assigned = false;   // a #PB_Any call whose result a variable takes: the name field is
                             // that variable, and the switch cannot be unticked
    int textEntry = -1;      // position of the field the text switch belongs to, -1: none
    bool textMode = false;   // the text switch is ticked: the field is written as a literal
    std::vector<std::string> flagRows;
    std::vector<bool> flagTicked;
    bool flagListEnabled = false;
    int flagsEntry = -1;  // position of the entry named "Flags" (any position), -1: none
};

// The pages for an element; an empty view (all hidden, list disabled) for none.
PagesView pagesFor(const sElement* element);

// True for an entry that refers to a window ("ParentWindowID", a WindowID(…) argument): it is
// not a position, and no edit changes it.
bool isWindowReference(const sParameter& entry);

// The one-line form of a typed or pasted text: line breaks become spaces. A text entry in text
// mode keeps them instead (the writer escapes them).
std::string oneLine(std::string_view text);

// Commit of field `position` (1..9) with the text it holds. A cleared plain entry is committed
// as "0" (the text is changed to it); a value never carries a line break into the code. A text
// entry takes the text as its text (`textMode`) or as code. False, and nothing changed, when the
// element has no entry at that position or the entry refers to a window.
bool commitField(sElement& element, int position, std::string& text, bool textMode = false);

// Switches a text entry between text (written as a literal) and code (written as it stands).
// The value is carried over so that the field shows the same characters. False when the entry
// is no text entry.
bool setTextMode(sElement& element, int position, bool textMode);

// Commit of the name field. The text must be an identifier the language takes: a constant, a
// variable, an integer, an array element or #PB_Any. It is normalised: empty becomes "#PB_Any";
// an integer or array element stays as typed; a name gets exactly one "#" in front (a variable
// stays one where the element's identifier is a variable), and "#pb_any" in any case becomes
// "#PB_Any". The element's PbAny and `anyNumber` (the switch) follow the text, except for a
// number, which leaves both as they were. For a `Var = Call(#PB_Any, …)` element the text is the
// variable's new name, and the variable in front of the call is renamed.
enum class NameCommit { Done, Refused, NoEntry };
NameCommit commitName(sElement& element, std::string& text, bool& anyNumber);

// The press on the any-number switch: flips the switch and PbAny and returns the name field's new
// text. Nothing (nullopt) when the code's identifier is #PB_Any already or there is no entry.
// The code changes only when the name field is committed next.
std::optional<std::string> pressAnyNumber(sElement& element, bool& anyNumber);

// The flags value after the list changed: the ticked rows' texts in row order, then, in their
// order, the code's own flags that match no row (a constant of the user's, a number, an
// expression), joined by "|". `previous` is split at "|" outside strings and parentheses.
std::string rebuildFlags(const std::vector<std::string>& rows, const std::vector<bool>& ticked,
                         std::string_view previous);

// Stores the rebuilt flags in the entry at `flagsEntry`. False, and nothing changed, when there
// is no such entry.
bool commitFlags(sElement& element, int flagsEntry, const std::vector<std::string>& rows,
                 const std::vector<bool>& ticked);

// Shortcut items 1..8 nudge one of the X, Y, Width, Height fields by one.
struct Nudge {
    int position;  // 1 X, 2 Y, 3 Width, 4 Height
    int step;
};
std::optional<Nudge> nudgeOf(int32_t item);

// The nudge: offsets `text` (the field's text) by the step as offsetExpression() does and stores
// the result in the entry, also when the field is disabled. `text` becomes the new value. False,
// and nothing changed, for an item that is no nudge, an element without that entry, an entry that
// refers to a window, or a value that cannot be offset.
bool nudge(sElement& element, int32_t item, std::string& text);

// What an edit does to the element's preview object.
enum class EditTarget {
    None,    // no object (Gadget 0) or a status bar: only the code changes
    Window,  // the preview window: inner size and title, never its place
    Gadget,  // a control: place, size, text
};
EditTarget editTarget(const sElement& element);

// The values an edit applies, read again from all entries every time: x, y, width and height
// from entries 1..4 by the number rule (a width or height of 0 keeps that dimension), the text
// from the last entry named "Text" or "Title".
struct EditValues {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;   // 0: keep
    int32_t height = 0;  // 0: keep
    std::optional<std::string> text;
};
// Positions and sizes are evaluated as expressions with `lookup` (see valueOrNumber()).
EditValues editValues(const sElement& element, const NameLookup& lookup = {});

// True for the gadgets whose picture follows their size (image and OpenGL gadgets).
bool rescalesPicture(const sElement& element);

}  // namespace tessaly
