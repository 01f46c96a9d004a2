#include "edit/pages_wx.h"

#include <wx/anybutton.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/hyperlink.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <algorithm>

#include "edit/check_box_wx.h"
#include "edit/code_writer.h"
#include "form/column_list_wx.h"
#include "form/form_names.h"
#include "form/placeholder_picture_wx.h"
#include "form/preview_controls_wx.h"
#include "form/preview_rules.h"
#include "form/reader.h"
#include "form/syntax_check.h"
#include "form/text_util.h"
#include "ui/main_controls.h"
#include "ui/registry_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

namespace {

using namespace main_window;

// GTK's text entry holds at most this many characters.
constexpr size_t kMaxFieldLength = 65535;

wxColour colourOf(Rgb c) {
    return wxColour(c.r, c.g, c.b);
}

wxTextCtrl* field(int position) {
    return static_cast<wxTextCtrl*>(Registry::instance().control(fieldControl(position)));
}

wxListCtrl* flagList() {
    return static_cast<wxListCtrl*>(Registry::instance().control(kFlagList));
}

void setFieldBackground(int position, Rgb colour) {
    wxTextCtrl* f = field(position);
    if (!f) return;
    f->SetBackgroundColour(colourOf(colour));
    f->Refresh();
}

// A size from the code as the toolkit can make it: 0 or less keeps the current one.
int sizeOrKeep(int32_t wanted, int current) {
    return wanted > 0 ? std::min(wanted, Slots::kMaxSize) : current;
}

// The text a gadget shows, where the control has one: a field's content, a label otherwise.
void setControlText(wxWindow* control, const wxString& text) {
    if (auto* entry = dynamic_cast<wxTextCtrl*>(control)) {
        entry->ChangeValue(text);
    } else if (auto* combo = dynamic_cast<wxComboBox*>(control)) {
        combo->ChangeValue(text);
    } else if (auto* columns = dynamic_cast<ColumnList*>(control)) {
        // A list-icon gadget's text is the title of its first column.
        if (columns->GetColumnCount() > 0) columns->GetColumn(0)->SetTitle(text);
    } else if (dynamic_cast<wxAnyButton*>(control) || dynamic_cast<wxStaticText*>(control) ||
               dynamic_cast<wxCheckBox*>(control) || dynamic_cast<wxRadioButton*>(control) ||
               dynamic_cast<wxStaticBox*>(control) ||
               dynamic_cast<wxGenericHyperlinkCtrl*>(control)) {
        // As written: "&" would otherwise be taken for a mnemonic and vanish.
        static_cast<wxControl*>(control)->SetLabel(wxControl::EscapeMnemonics(text));
    }
}

// The picture of the OpenGL gadgets, decoded once; each edit scales it from the original so that
// repeated resizing does not blur it.
const wxImage& originalPicture() {
    static const wxImage picture = decodePlaceholderPicture();
    return picture;
}

}  // namespace

int32_t fieldControl(int position) {
    if (position == kNamePosition) return kNameField;
    if (position <= 4) return kXField + (position - 1);
    return kFirstParameterField + (position - 5);
}

EditPages::EditPages(PagesHost& host) : host_(host) {}

void EditPages::bind() {
    Registry& registry = Registry::instance();
    for (int p = 0; p < kPageFields; ++p) {
        wxWindow* f = registry.control(fieldControl(p));
        f->Bind(wxEVT_SET_FOCUS, [p](wxFocusEvent& event) {
            setFieldBackground(p, kFocusedFieldBackground);
            event.Skip();
        });
        f->Bind(wxEVT_KILL_FOCUS, [this, p](wxFocusEvent& event) {
            fieldLeft(p);
            event.Skip();
        });
    }
    // The second press of a quick double click arrives as a double click only: it is a press.
    for (const auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK}) {
        registry.control(kAnyNumberSwitch)->Bind(type, [this](wxMouseEvent&) { pressSwitch(); });
        registry.control(kTextSwitch)->Bind(type, [this](wxMouseEvent&) { pressTextSwitch(); });
    }
    flagList()->Bind(wxEVT_LIST_ITEM_CHECKED, [this](wxListEvent&) { flagsChanged(); });
    flagList()->Bind(wxEVT_LIST_ITEM_UNCHECKED, [this](wxListEvent&) { flagsChanged(); });
}

sElement* EditPages::shownElement() {
    ElementList& list = host_.elements();
    return shown_ >= 0 && shown_ < list.count() ? &list[shown_] : nullptr;
}

void EditPages::setFieldText(int position, const std::string& text) {
    baseline_[size_t(position)] = toWx(text);
    field(position)->ChangeValue(baseline_[size_t(position)]);
}

void EditPages::resetPages() {
    shown_ = -1;
    frame_.hide();
    view_ = PagesView{};
    setSwitchState(kAnyNumberSwitch, false);
    setSwitchState(kTextSwitch, false);
    Registry& registry = Registry::instance();
    registry.control(kTextSwitch)->Hide();
    for (int p = 0; p < kPageFields; ++p) {
        static_cast<wxStaticText*>(registry.control(kFirstParameterLabel + p))->SetLabel("");
        setFieldText(p, "");
        field(p)->Enable();
        field(p)->SetEditable(true);
        field(p)->UnsetToolTip();
        locked_[size_t(p)] = false;
        setFieldBackground(p, kFieldBackground);
        field(p)->Hide();
    }
}

void EditPages::showElement(int32_t listIndex) {
    // An edit still standing in a field belongs to the element shown so far: a click into the
    // preview may select another gadget before the field hears that it lost the focus.
    for (int p = 0; p < kPageFields; ++p) fieldLeft(p);
    // Hiding the fields would drop the keyboard focus, and with it the shortcuts' target window.
    wxWindow* focused = wxWindow::FindFocus();
    resetPages();
    ElementList& list = host_.elements();
    list.select(listIndex);
    sElement* element = list.current();
    if (!element) return;
    shown_ = listIndex;
    view_ = pagesFor(element);
    host_.highlightCodeLine(element->Line, element->Lines);
    frame_.surround(element->Sort == kSortGadget && element->Gadget >= Registry::kFirstAllocated
                        ? Registry::instance().control(element->Gadget)
                        : nullptr);

    Registry& registry = Registry::instance();
    for (int p = 0; p < kPageFields; ++p) {
        const PageField& f = view_.fields[size_t(p)];
        if (!f.shown) continue;
        static_cast<wxStaticText*>(registry.control(kFirstParameterLabel + p))
            ->SetLabel(wxControl::EscapeMnemonics(toWx(view_.labels[size_t(p)])));
        setFieldText(p, f.text);
        field(p)->Enable(f.enabled);
        // A value longer than the field can hold would come back cut: it is shown, not edited.
        if (toWx(f.text).length() > kMaxFieldLength) {
            locked_[size_t(p)] = true;
            field(p)->SetEditable(false);
            field(p)->SetToolTip("This value is too long to edit here; it stays as written.");
        } else if (!f.enabled) {
            field(p)->SetToolTip(f.windowReference ? toWx(f.text + "  (a window, not a position)")
                                                   : toWx(f.text));
        }
        field(p)->Show();
    }
    setSwitchState(kAnyNumberSwitch, view_.anyNumber);
    registry.control(kAnyNumberSwitch)
        ->SetToolTip(view_.assigned ? "#PB_Any: the variable in front of the call receives the "
                                      "gadget. Rename it in the field; the switch stays ticked."
                                    : "#Pb_Any Yes or No");
    if (view_.textEntry >= 0) {
        wxWindow* textSwitch = registry.control(kTextSwitch);
        const wxPoint at = field(view_.textEntry)->GetPosition();
        textSwitch->Move(at.x + field(view_.textEntry)->GetSize().x + 5, at.y + 4);
        setSwitchState(kTextSwitch, view_.textMode);
        textSwitch->Show();
    }
    registry.setData(kFlagList, view_.flagsEntry);
    for (int p = 0; p < kPageFields; ++p) {
        if (focused == field(p) && field(p)->IsShown() && field(p)->IsEnabled()) {
            field(p)->SetFocus();
        }
    }

    filling_ = true;
    wxListCtrl* flags = flagList();
    flags->DeleteAllItems();
    flags->Enable(view_.flagListEnabled);
    for (size_t r = 0; r < view_.flagRows.size(); ++r) {
        const long row = flags->InsertItem(long(r), toWx(view_.flagRows[r]));
        flags->SetItemTextColour(row, colourOf(kQuietText));
        if (view_.flagTicked[r]) flags->CheckItem(row, true);
    }
    filling_ = false;
}

void EditPages::fieldLeft(int position) {
    wxTextCtrl* f = field(position);
    if (!f) return;  // the window is going away
    sElement* element = shownElement();
    if (!element || locked_[size_t(position)] || f->GetValue() == baseline_[size_t(position)]) {
        setFieldBackground(position, kFieldBackground);
        return;
    }
    std::string text = fromWx(f->GetValue());
    const ElementState before = stateOf(*element, element->Code);
    if (position == kNamePosition) {
        bool anyNumber = view_.anyNumber;
        const NameCommit result = commitName(*element, text, anyNumber);
        if (result == NameCommit::Refused) {
            // Nothing is written; the field keeps what was typed so that it can be mended.
            setFieldBackground(position, kRefusedFieldBackground);
            host_.setStatus("Not an identifier: " + text);
            return;
        }
        setFieldBackground(position, kFieldBackground);
        if (result != NameCommit::Done || !writeChecked(*element, before, position)) return;
        view_.anyNumber = anyNumber;
        setFieldText(position, view_.assigned ? elementName(*element) : text);
        setSwitchState(kAnyNumberSwitch, anyNumber);
        host_.setPickerEntryText(element->Index, pickerEntryText(*element));
        record(before);
        return;
    }
    setFieldBackground(position, kFieldBackground);
    // A text entry without the switch keeps the mode it was read in.
    if (size_t(position) >= element->Parameters.size()) return;
    const bool textMode = position == view_.textEntry
                              ? view_.textMode
                              : element->Parameters[size_t(position)].Type == kTypeText;
    if (!commitField(*element, position, text, textMode) ||
        !writeChecked(*element, before, position)) {
        return;
    }
    if (position == view_.textEntry && element->Parameters[size_t(position)].Type == kTypeText) {
        view_.textMode = true;
        setSwitchState(kTextSwitch, true);
    }
    setFieldText(position, text);
    applyTo(*element);
    record(before);
}

void EditPages::pressTextSwitch() {
    sElement* element = shownElement();
    if (!element || view_.textEntry < 0 || locked_[size_t(view_.textEntry)]) return;
    const ElementState before = stateOf(*element, element->Code);
    view_.textMode = !view_.textMode;
    setSwitchState(kTextSwitch, view_.textMode);
    // The field's text is taken in the new mode, whether or not it was changed.
    std::string text = fromWx(field(view_.textEntry)->GetValue());
    if (!commitField(*element, view_.textEntry, text, view_.textMode) ||
        !writeChecked(*element, before, view_.textEntry)) {
        view_.textMode = !view_.textMode;
        setSwitchState(kTextSwitch, view_.textMode);
        return;
    }
    setFieldText(view_.textEntry, text);
    applyTo(*element);
    record(before);
}

void EditPages::record(const ElementState& before, int nudgedField) {
    const sElement* element = shownElement();
    if (!element) return;
    UndoStep step;
    step.element = shown_;
    step.before = before;
    step.after = stateOf(*element, element->Code);
    step.nudgedField = nudgedField;
    history_.push(std::move(step));
}

void EditPages::pressSwitch() {
    sElement* element = shownElement();
    if (!element) return;
    bool anyNumber = view_.anyNumber;
    const std::optional<std::string> text = pressAnyNumber(*element, anyNumber);
    if (!text) return;
    view_.anyNumber = anyNumber;
    setSwitchState(kAnyNumberSwitch, anyNumber);
    // Only what the field shows changes: the baseline stays, so leaving the field commits it.
    field(kNamePosition)->ChangeValue(toWx(*text));
}

void EditPages::flagsChanged() {
    sElement* element = shownElement();
    wxListCtrl* flags = flagList();
    if (filling_ || !element || !flags) return;
    std::vector<bool> ticked(view_.flagRows.size());
    for (size_t r = 0; r < ticked.size(); ++r) ticked[r] = flags->IsItemChecked(long(r));
    const ElementState before = stateOf(*element, element->Code);
    if (!commitFlags(*element, view_.flagsEntry, view_.flagRows, ticked)) return;
    if (!writeChecked(*element, before, -1)) return;
    view_.flagTicked = ticked;
    record(before);
}

bool EditPages::nudge(int32_t item) {
    sElement* element = host_.elements().current();
    const std::optional<Nudge> n = nudgeOf(item);
    if (!element || !n || size_t(n->position) >= element->Parameters.size()) return false;
    wxTextCtrl* f = field(n->position);
    // A disabled field cannot take the focus; the nudge acts on it all the same.
    if (f->IsEnabled()) f->SetFocus();
    std::string text = fromWx(f->GetValue());
    const ElementState before = stateOf(*element, element->Code);
    if (!tessaly::nudge(*element, item, text)) return false;
    if (element == shownElement()) setFieldText(n->position, text);
    pendingNudge_ = UndoStep{};
    pendingNudge_->element = host_.elements().currentIndex();
    pendingNudge_->before = before;
    pendingNudge_->nudgedField = n->position;
    return true;
}

void EditPages::writeCode() {
    sElement* element = host_.elements().current();
    if (!element) return;
    writeElement(*element);
    if (pendingNudge_ && pendingNudge_->element == host_.elements().currentIndex()) {
        pendingNudge_->after = stateOf(*element, element->Code);
        history_.push(std::move(*pendingNudge_));
    }
    pendingNudge_.reset();
}

void EditPages::codeReplaced(const std::string& before, const std::string& after) {
    UndoStep step;
    step.kind = UndoStep::Kind::Reading;
    step.codeBefore = before;
    step.codeAfter = after;
    history_.push(std::move(step));
}

void EditPages::undo() {
    for (int p = 0; p < kPageFields; ++p) fieldLeft(p);  // a pending edit is a step of its own
    if (const std::optional<UndoStep> step = history_.undo()) restore(*step, false);
}

void EditPages::redo() {
    for (int p = 0; p < kPageFields; ++p) fieldLeft(p);
    if (const std::optional<UndoStep> step = history_.redo()) restore(*step, true);
}

void EditPages::restore(const UndoStep& step, bool forward) {
    if (step.kind == UndoStep::Kind::Reading) {
        host_.readCode(forward ? step.codeAfter : step.codeBefore);
        return;
    }
    ElementList& list = host_.elements();
    if (step.element < 0 || step.element >= list.count()) return;
    sElement& element = list[step.element];
    const ElementState& state = forward ? step.after : step.before;
    restoreState(element, state);
    // The statement comes back exactly as it was, also one never rewritten before.
    putStatement(element, state.line);
    applyTo(element);
    if (element.Sort == kSortWindow || element.Sort == kSortGadget) {
        host_.setPickerEntryText(element.Index, pickerEntryText(element));
        host_.choosePickerEntry(element.Index);
    }
}

void EditPages::applyEdits() {
    if (const sElement* element = host_.elements().current()) applyTo(*element);
}

void EditPages::writeElement(sElement& element) {
    putStatement(element, buildLine(element));
}

bool EditPages::writeChecked(sElement& element, const ElementState& before, int position) {
    const std::string text = buildLine(element);
    sElement written = element;
    written.Code = text;
    const std::string error = syntaxError(callSource(written));
    sElement read = element;
    read.Code = before.line;
    if (error.empty() || !syntaxError(callSource(read)).empty()) {
        putStatement(element, text);
        return true;
    }
    // An edit never turns a call that compiled into one that does not: it is taken back.
    restoreState(element, before);
    putStatement(element, before.line);
    if (position >= 0) {
        setFieldText(position, pagesFor(&element).fields[size_t(position)].text);
        setFieldBackground(position, kRefusedFieldBackground);
    }
    host_.setStatus("Not written, the line would not compile: " + error);
    return false;
}

void EditPages::putStatement(sElement& element, const std::string& text) {
    host_.replaceCodeLine(element.Line, text);
    ElementList& list = host_.elements();
    const int index = int(&element - &list[0]);
    element.Code = text;
    refreshStatement(list, index, host_.keywords());
}

void EditPages::applyTo(const sElement& element) {
    const EditTarget target = editTarget(element);
    if (target == EditTarget::None) return;
    Registry& registry = Registry::instance();
    const EditValues v = editValues(element, host_.namesAt(element.Line));
    if (target == EditTarget::Window) {
        wxTopLevelWindow* window = registry.window(element.Gadget);
        if (!window || element.Gadget < Registry::kFirstAllocated) return;
        const wxSize inner = window->GetClientSize();
        // Only the inner size follows: the preview window stays where it is.
        window->SetClientSize(sizeOrKeep(v.width, inner.x), sizeOrKeep(v.height, inner.y));
        window->SetTitle(toWx(v.text.value_or("")));
        return;
    }
    if (element.Gadget < Registry::kFirstAllocated) return;
    wxWindow* control = registry.control(element.Gadget);
    if (!control) return;
    // The text first: a label may fit its size to a new text, the code's size has the last word.
    if (v.text) setControlText(control, toWx(*v.text));
    const wxSize size(sizeOrKeep(v.width, control->GetSize().x),
                      sizeOrKeep(v.height, control->GetSize().y));
    control->SetSize(v.x, v.y, size.x, size.y, wxSIZE_ALLOW_MINUS_ONE);
    if (frame_.control() == control) frame_.follow();
    if (!rescalesPicture(element) || element.Image == 0) return;
    // The picture follows the new size, at most kMaxPictureSide a side: the control stretches it.
    // An OpenGL gadget's is scaled from the original picture, not from the last scaled copy.
    const bool tan = asciiLower(element.KeyWord) == "imagegadget";
    refitGadgetPicture(registry, element.Image, control, size.x, size.y,
                       tan ? wxImage() : originalPicture());
}

}  // namespace tessaly
