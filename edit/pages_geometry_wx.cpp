// The pages' part of direct manipulation: the commit of a drag or of a nudge of several gadgets.
#include "edit/pages_wx.h"

namespace tessaly {

void EditPages::commitGeometry(const std::vector<GeometryEdit>& edits, int nudgedField) {
    for (int p = 0; p < kPageFields; ++p) fieldLeft(p);  // a pending edit is a step of its own
    ElementList& list = host_.elements();
    UndoStep group;
    group.kind = UndoStep::Kind::Group;
    group.nudgedField = nudgedField;
    for (const GeometryEdit& edit : edits) {
        if (edit.element < 0 || edit.element >= list.count()) continue;
        sElement& element = list[edit.element];
        // Each statement is read as it stands now: two calls of one line are written in turn.
        const ElementState before = stateOf(element, element.Code);
        for (size_t k = 0; k < edit.texts.size(); ++k) {
            if (edit.texts[k] && k + 1 < element.Parameters.size()) {
                element.Parameters[k + 1].Value = *edit.texts[k];
            }
        }
        const bool written = writeChecked(element, before, -1);
        // Also when refused: the control goes back where its line puts it.
        applyTo(element);
        if (!written) continue;
        UndoStep part;
        part.element = edit.element;
        part.before = before;
        part.after = stateOf(element, element.Code);
        group.parts.push_back(std::move(part));
    }
    if (const sElement* shown = shownElement()) {
        const PagesView view = pagesFor(shown);
        for (int p = 1; p <= 4; ++p) {
            if (view.fields[size_t(p)].shown) setFieldText(p, view.fields[size_t(p)].text);
        }
    }
    if (group.parts.empty()) return;
    history_.push(std::move(group));
}

void EditPages::restoreGroup(const UndoStep& step, bool forward) {
    // Backwards when undoing: a later part may have been written over an earlier one's line.
    if (forward) {
        for (const UndoStep& part : step.parts) restore(part, true);
    } else {
        for (auto part = step.parts.rbegin(); part != step.parts.rend(); ++part) {
            restore(*part, false);
        }
    }
}

}  // namespace tessaly
