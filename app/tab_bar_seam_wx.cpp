// The shell's uses of the tab bar, served by the self-drawn tab bar of tabbar/.
#include "app/tab_bar_seam_wx.h"

#include "tabbar/colour.h"
#include "tabbar/main_tab_bar_wx.h"
#include "tabbar/tabbar_model.h"
#include "ui/utf8_wx.h"

namespace tessaly {

void fillTabBarDefaults() {
    initTabBarDefaults();
}

wxWindow* createMainTabBar(wxWindow* parent, const wxFont& font,
                           std::function<void(const wxString& tabText)> onSelectionChanged) {
    return createMainWindowTabBar(parent, font, [onSelectionChanged](const std::string& tabText) {
        if (onSelectionChanged) onSelectionChanged(toWx(tabText));
    });
}

void setFlagsTabDisabled(bool disabled) {
    setMainFlagsTabDisabled(disabled);
}

wxString stepTab(int step) {
    return toWx(stepMainTab(step));
}

}  // namespace tessaly
