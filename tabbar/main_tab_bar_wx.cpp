#include "tabbar/main_tab_bar_wx.h"

#include <wx/settings.h>

#include "tabbar/main_tab_bar.h"
#include "tabbar/tabbar_fonts_wx.h"
#include "tabbar/tabbar_ops_wx.h"

namespace tessaly {

namespace {

Colour systemColour(wxSystemColour which) {
    const wxColour c = wxSystemSettings::GetColour(which);
    return rgba(c.Red(), c.Green(), c.Blue(), 0xFF);
}

}  // namespace

void initTabBarDefaults() {
    TabBarDefaults& d = tabBarDefaults();
    d = TabBarDefaults{};
    d.BackColor = systemColour(wxSYS_COLOUR_BTNFACE);
    d.FaceColor = systemColour(wxSYS_COLOUR_BTNFACE);
    d.BorderColor = systemColour(wxSYS_COLOUR_BTNSHADOW);
    d.TextColor = systemColour(wxSYS_COLOUR_BTNTEXT);
    d.Font = tabBarFontHandle(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
}

TabBarCanvas* createMainWindowTabBar(
    wxWindow* parent, const wxFont& font,
    std::function<void(const std::string& tabText)> onSelectionChanged) {
    tabBarDefaults().BackColor = kMainWindowBackColor;
    const int32_t number = tabBarCreate(parent, kMainTabBarNumber, kMainTabBarX, kMainTabBarY,
                                        kMainTabBarWidth, kMainTabBarHeight, kMainTabBarFlags);
    TabBarCanvas* canvas = tabBarCanvas(number);
    configureMainTabBar(canvas->bar(), tabBarFontHandle(font));
    canvas->setEventHandler([canvas, onSelectionChanged](int32_t code) {
        // The other codes (new tab, close, moved) mean nothing to the main window.
        if (code == SelectionChanged && onSelectionChanged) {
            onSelectionChanged(canvas->bar().tabText(canvas->bar().eventTab()));
        }
    });
    return canvas;
}

void setMainFlagsTabDisabled(bool disabled) {
    // The user may have dragged the tabs into another order: the Flags tab is found by its text.
    const TabBar& bar = tabBarCanvas(kMainTabBarNumber)->bar().state();
    for (int32_t i = 0; i < int32_t(bar.Tabs.size()); ++i) {
        if (bar.Tabs[size_t(i)]->Text == kFlagsTabText) {
            tabBarSetTabDisabled(kMainTabBarNumber, i, disabled);
            return;
        }
    }
}

std::string stepMainTab(int step) {
    TabBarCanvas* canvas = tabBarCanvas(kMainTabBarNumber);
    if (!canvas || step == 0) return {};
    const TabBar& bar = canvas->bar().state();
    const int32_t count = bar.tabCount();
    int32_t selected = -1;
    for (int32_t i = 0; i < count; ++i) {
        if (bar.Tabs[size_t(i)].get() == bar.Selected) selected = i;
    }
    if (selected < 0) return {};
    // Round the row, past disabled tabs, as a notebook's Ctrl+Tab goes.
    for (int32_t k = 1; k < count; ++k) {
        const int32_t i = ((selected + k * (step > 0 ? 1 : -1)) % count + count) % count;
        if (bar.Tabs[size_t(i)]->Disabled) continue;
        tabBarSetState(kMainTabBarNumber, i);
        return bar.Tabs[size_t(i)]->Text;
    }
    return {};
}

}  // namespace tessaly
