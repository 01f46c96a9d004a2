#include "edit/undo.h"

#include <utility>

namespace tessaly {

namespace {

bool sameState(const ElementState& a, const ElementState& b) {
    return a.values == b.values && a.types == b.types && a.pbAny == b.pbAny && a.line == b.line;
}

}  // namespace

ElementState stateOf(const sElement& element, std::string line) {
    ElementState state;
    state.values.reserve(element.Parameters.size());
    for (const sParameter& p : element.Parameters) {
        state.values.push_back(p.Value);
        state.types.push_back(p.Type);
    }
    state.pbAny = element.PbAny;
    state.line = std::move(line);
    return state;
}

void restoreState(sElement& element, const ElementState& state) {
    for (size_t i = 0; i < element.Parameters.size() && i < state.values.size(); ++i) {
        element.Parameters[i].Value = state.values[i];
        if (i < state.types.size()) element.Parameters[i].Type = state.types[i];
    }
    element.PbAny = state.pbAny;
}

void UndoHistory::push(UndoStep step) {
    if (step.kind == UndoStep::Kind::Edit && sameState(step.before, step.after)) return;
    undone_.clear();
    // Nudging the same field of the same element again, right after, extends that step.
    if (joinable_ && step.nudgedField != 0 && !done_.empty()) {
        UndoStep& last = done_.back();
        if (last.kind == UndoStep::Kind::Edit && last.element == step.element &&
            last.nudgedField == step.nudgedField) {
            last.after = std::move(step.after);
            return;
        }
    }
    done_.push_back(std::move(step));
    joinable_ = true;
}

std::optional<UndoStep> UndoHistory::undo() {
    joinable_ = false;
    if (done_.empty()) return std::nullopt;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return undone_.back();
}

std::optional<UndoStep> UndoHistory::redo() {
    joinable_ = false;
    if (undone_.empty()) return std::nullopt;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return done_.back();
}

void UndoHistory::clear() {
    done_.clear();
    undone_.clear();
    joinable_ = false;
}

}  // namespace tessaly
