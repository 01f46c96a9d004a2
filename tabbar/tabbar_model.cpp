#include "tabbar/tabbar_model.h"

namespace tessaly {

TabBarDefaults& tabBarDefaults() {
    static TabBarDefaults defaults;
    return defaults;
}

Tab* TabBar::tabAt(int32_t index) {
    return const_cast<Tab*>(static_cast<const TabBar*>(this)->tabAt(index));
}

const Tab* TabBar::tabAt(int32_t index) const {
    if (index == NewTabSlot) return &NewTab;
    if (index == SelectedTab) return Selected;
    // An index past the end names no tab: we never read a number as a record's address.
    if (index < 0 || index >= tabCount()) return nullptr;
    return Tabs[static_cast<size_t>(index)].get();
}

int32_t TabBar::indexOf(const Tab* tab) const {
    if (tab == nullptr) return NoTab;
    if (tab == &NewTab) return NewTabSlot;
    for (size_t i = 0; i < Tabs.size(); ++i) {
        if (Tabs[i].get() == tab) return static_cast<int32_t>(i);
    }
    return NoTab;
}

// UTF-8 continuation bytes are 10xxxxxx; every other byte starts a character.
static bool startsChar(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

int32_t charCount(const std::string& text) {
    int32_t n = 0;
    for (char c : text) n += startsChar(c) ? 1 : 0;
    return n;
}

std::string firstChars(const std::string& text, int32_t n) {
    if (n <= 0) return {};
    int32_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (startsChar(text[i]) && seen++ == n) return text.substr(0, i);
    }
    return text;
}

}  // namespace tessaly
