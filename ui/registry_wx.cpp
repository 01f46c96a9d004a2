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

void Registry::forget(wxWindow* w) {
    for (auto it = controls_.begin(); it != controls_.end();) {
        if (it->second == w) {
            data_.erase(it->first);
            it = controls_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = windows_.begin(); it != windows_.end();) {
        it = it->second == w ? windows_.erase(it) : std::next(it);
    }
}

void Registry::setWindow(int number, wxTopLevelWindow* window) {
    windows_[number] = window;
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
    for (const auto& [number, w] : windows_) {
        if (w == window) return number;
    }
    return -1;
}

void Registry::setControl(int number, wxWindow* control) {
    controls_[number] = control;
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
    for (const auto& [number, w] : controls_) {
        if (w == control) return number;
    }
    return -1;
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
    data_.clear();
    images_.clear();
    nextObject_ = nextImage_ = kFirstAllocated;
}

}  // namespace tessaly
