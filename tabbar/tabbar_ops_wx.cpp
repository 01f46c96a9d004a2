#include "tabbar/tabbar_ops_wx.h"

#include <wx/debug.h>

#include "tabbar/tabbar_fonts_wx.h"
#include "ui/registry_wx.h"

namespace tessaly {

TabBarCanvas* tabBarCanvas(int32_t number) {
    auto* canvas = dynamic_cast<TabBarCanvas*>(Registry::instance().control(number));
    wxASSERT_MSG(canvas != nullptr, "the number names no tab bar");
    return canvas;
}

int32_t tabBarCreate(wxWindow* parent, int32_t number, int x, int y, int width, int height,
                     uint32_t flags) {
    Registry& registry = Registry::instance();
    // The bar learns its number at creation; an allocated one is the registry's next.
    auto* canvas = new TabBarCanvas(parent, number, wxPoint(x, y), wxSize(width, height), flags);
    if (number < 0) {
        number = registry.addControl(canvas);
        canvas->bar().state().Number = number;
    } else {
        registry.setControl(number, canvas);
    }
    return number;
}

int32_t tabBarAddTab(int32_t number, int32_t position, const std::string& text, int32_t image,
                     int64_t data) {
    TabBarCanvas* c = tabBarCanvas(number);
    return c ? c->bar().addTab(position, text, image, data) : NoTab;
}

void tabBarSetFont(int32_t number, const wxFont& font) {
    if (TabBarCanvas* c = tabBarCanvas(number)) {
        c->bar().setFont(font.IsOk() ? tabBarFontHandle(font) : -1);
    }
}

void tabBarSetAttribute(int32_t number, uint32_t attribute, int32_t value) {
    if (TabBarCanvas* c = tabBarCanvas(number)) c->bar().setAttribute(attribute, value);
}

void tabBarSetState(int32_t number, int32_t index) {
    if (TabBarCanvas* c = tabBarCanvas(number)) c->bar().setState(index);
}

void tabBarSetTabColor(int32_t number, int32_t index, int32_t kind, int64_t colour) {
    if (TabBarCanvas* c = tabBarCanvas(number)) c->bar().setTabColor(index, kind, colour);
}

void tabBarSetTabDisabled(int32_t number, int32_t index, bool disabled) {
    if (TabBarCanvas* c = tabBarCanvas(number)) c->bar().setTabDisabled(index, disabled);
}

std::string tabBarTabText(int32_t number, int32_t index) {
    TabBarCanvas* c = tabBarCanvas(number);
    return c ? c->bar().tabText(index) : std::string();
}

int32_t tabBarEventTab(int32_t number) {
    TabBarCanvas* c = tabBarCanvas(number);
    return c ? c->bar().eventTab() : NoTab;
}

int32_t tabBarHandleEvent(int32_t number, const InputEvent& event) {
    TabBarCanvas* c = tabBarCanvas(number);
    return c ? c->deliver(event) : NoEvent;
}

void tabBarUpdate(int32_t number) {
    if (TabBarCanvas* c = tabBarCanvas(number)) c->bar().update();
}

}  // namespace tessaly
