#include "form/parent_stack.h"

namespace tessaly {

ParentStacks::WindowState* ParentStacks::active() {
    if (!activeWindow_) return nullptr;
    return &windows_[*activeWindow_];
}

const ParentStacks::WindowState* ParentStacks::active() const {
    if (!activeWindow_) return nullptr;
    const auto it = windows_.find(*activeWindow_);
    return it == windows_.end() ? nullptr : &it->second;
}

void ParentStacks::startWindow(int32_t window) {
    activeWindow_ = window;
    windows_[window] = WindowState{ParentRef{true, window}, {}};
}

std::optional<ParentRef> ParentStacks::current() const {
    const WindowState* state = active();
    if (!state) return std::nullopt;
    return state->current;
}

bool ParentStacks::open(ParentRef container) {
    WindowState* state = active();
    if (!state) return true;
    if (state->outside > 0 || int(state->stack.size()) >= kMaxDepth) {
        ++state->outside;
        return false;
    }
    state->stack.push_back(state->current);
    state->current = container;
    return true;
}

void ParentStacks::replace(ParentRef tab) {
    WindowState* state = active();
    if (state && state->outside == 0) state->current = tab;
}

bool ParentStacks::close() {
    WindowState* state = active();
    if (!state) return false;
    if (state->outside > 0) {
        --state->outside;
        return true;
    }
    if (state->stack.empty()) return false;
    state->current = state->stack.back();
    state->stack.pop_back();
    return true;
}

int ParentStacks::depth() const {
    const WindowState* state = active();
    return state ? int(state->stack.size()) : 0;
}

void ParentStacks::clear() {
    windows_.clear();
    activeWindow_.reset();
}

}  // namespace tessaly
