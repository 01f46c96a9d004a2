#include "ui/registry_wx.h"

namespace tessaly {

Registry& Registry::instance() {
    static Registry registry;
    return registry;
}

void Registry::watchDestroy(wxWindow* w) {
    // The destroy event travels up to the parents too; only the window's own one counts.
    w->Bind(wxEVT_DESTROY, [this, w](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == w) forget(w);
        event.Skip();
    });
}

void Registry::unlink(std::unordered_multimap<const wxWindow*, int>& numbers, const wxWindow* w,
                      int number) {
    auto [it, end] = numbers.equal_range(w);
    for (; it != end; ++it) {
        if (it->second == number) {
            numbers.erase(it);
            return;
        }
    }
}

void Registry::forget(wxWindow* w) {
    auto [c, cEnd] = controlNumbers_.equal_range(w);
    for (; c != cEnd; ++c) {
        controls_.erase(c->second);
        data_.erase(c->second);
    }
    controlNumbers_.erase(w);
    auto [t, tEnd] = windowNumbers_.equal_range(w);
    for (; t != tEnd; ++t) windows_.erase(t->second);
    windowNumbers_.erase(w);
}

void Registry::setWindow(int number, wxTopLevelWindow* window) {
    auto [it, added] = windows_.try_emplace(number, window);
    if (!added) {
        unlink(windowNumbers_, it->second, number);
        it->second = window;
    }
    windowNumbers_.emplace(window, number);
    watchDestroy(window);
}

int Registry::addWindow(wxTopLevelWindow* window) {
    const int number = nextObject_++;
    setWindow(number, window);
    return number;
}

wxTopLevelWindow* Registry::window(int number) const {
    const auto it = windows_.find(number);
    return it == windows_.end() ? nullptr : it->second;
}

int Registry::windowNumber(const wxWindow* window) const {
    const auto it = windowNumbers_.find(window);
    return it == windowNumbers_.end() ? -1 : it->second;
}

void Registry::setControl(int number, wxWindow* control) {
    auto [it, added] = controls_.try_emplace(number, control);
    if (!added) {
        unlink(controlNumbers_, it->second, number);
        it->second = control;
    }
    controlNumbers_.emplace(control, number);
    watchDestroy(control);
}

int Registry::addControl(wxWindow* control) {
    const int number = nextObject_++;
    setControl(number, control);
    return number;
}

wxWindow* Registry::control(int number) const {
    const auto it = controls_.find(number);
    return it == controls_.end() ? nullptr : it->second;
}

int Registry::controlNumber(const wxWindow* control) const {
    const auto it = controlNumbers_.find(control);
    return it == controlNumbers_.end() ? -1 : it->second;
}

void Registry::destroyControl(int number) {
    if (wxWindow* w = control(number)) w->Destroy();
}

int64_t Registry::data(int number) const {
    const auto it = data_.find(number);
    return it == data_.end() ? 0 : it->second;
}

void Registry::setData(int number, int64_t value) {
    data_[number] = value;
}

int Registry::addImage(const wxBitmap& image) {
    const int number = nextImage_++;
    images_[number] = image;
    return number;
}

void Registry::setImage(int number, const wxBitmap& image) {
    images_[number] = image;
}

const wxBitmap* Registry::image(int number) const {
    const auto it = images_.find(number);
    return it == images_.end() ? nullptr : &it->second;
}

void Registry::freeImage(int number) {
    images_.erase(number);
}

void Registry::reset() {
    windows_.clear();
    controls_.clear();
    windowNumbers_.clear();
    controlNumbers_.clear();
    data_.clear();
    images_.clear();
    nextObject_ = nextImage_ = kFirstAllocated;
}

}  // namespace tessaly
