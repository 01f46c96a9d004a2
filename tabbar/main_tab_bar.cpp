#include "tabbar/main_tab_bar.h"

namespace tessaly {

void configureMainTabBar(TabBarControl& bar, FontHandle font) {
    bar.setFont(font);
    // Both tabs 139 pixels long: together they fill the 285-pixel bar.
    bar.setAttribute(AttrMinTabLength, 139);
    bar.addTab(NoTab, kParametersTabText, 0, 0);
    bar.addTab(NoTab, kFlagsTabText, 0, 0);
    for (int32_t tab = 0; tab < 2; ++tab) {
        bar.setTabColor(tab, TabFaceColor, kMainTabFaceColor);
        bar.setTabColor(tab, TabTextColor, kMainTabTextColor);
    }
    bar.setState(0);
}

Page pageForTab(const std::string& tabText) {
    if (tabText == kParametersTabText) return Page::Parameters;
    if (tabText == kFlagsTabText) return Page::Flags;
    return Page::None;
}

}  // namespace tessaly
