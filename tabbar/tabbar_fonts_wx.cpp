#include "tabbar/tabbar_fonts_wx.h"

#include <wx/settings.h>

#include <vector>

namespace tessaly {

namespace {

std::vector<wxFont>& fonts() {
    static std::vector<wxFont> table;
    return table;
}

}  // namespace

FontHandle tabBarFontHandle(const wxFont& font) {
    std::vector<wxFont>& table = fonts();
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i] == font) return static_cast<FontHandle>(i + 1);
    }
    table.push_back(font);
    return static_cast<FontHandle>(table.size());
}

wxFont tabBarFont(FontHandle handle) {
    const std::vector<wxFont>& table = fonts();
    if (handle >= 1 && handle <= static_cast<FontHandle>(table.size())) {
        return table[static_cast<size_t>(handle - 1)];
    }
    return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
}

}  // namespace tessaly
