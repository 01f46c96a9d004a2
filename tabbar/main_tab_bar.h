#pragma once

#include <cstdint>
#include <string>

#include "tabbar/colour.h"
#include "tabbar/tabbar_control.h"

namespace tessaly {

// The main window's tab bar: control 1, switching between the Parameters and the Flags page.
inline constexpr int32_t kMainTabBarNumber = 1;
inline constexpr int32_t kMainTabBarX = 5;
inline constexpr int32_t kMainTabBarY = 42;
inline constexpr int32_t kMainTabBarWidth = 285;
inline constexpr int32_t kMainTabBarHeight = 28;
inline constexpr uint32_t kMainTabBarFlags = BaseLine;
inline constexpr Colour kMainWindowBackColor = rgba(203, 203, 203);
inline constexpr Colour kMainTabFaceColor = rgba(153, 153, 153);
inline constexpr Colour kMainTabTextColor = rgba(0, 0, 0);
inline constexpr const char* kParametersTabText = "Parameters";
inline constexpr const char* kFlagsTabText = "Flags";

// Gives a freshly created main tab bar its font, tab length, tabs, colours and selection, in
// the order the main window does it. The caller has set the defaults' BackColor before creating.
void configureMainTabBar(TabBarControl& bar, FontHandle font);

enum class Page { None, Parameters, Flags };

// The page a selected tab's text asks for; None for any other text.
Page pageForTab(const std::string& tabText);

}  // namespace tessaly
