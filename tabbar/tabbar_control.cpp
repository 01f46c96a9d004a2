#include "tabbar/tabbar_control.h"

#include <memory>

#include "tabbar/tabbar_layout.h"

namespace tessaly {

namespace {

constexpr uint32_t kOptionAttributes =
    ShowCloseButtons | ShowNewTab | ShortenTexts | UpsideDown | LockOrder | WrapRows | BaseLine;

}  // namespace

TabBarControl::TabBarControl(TabBarHost& host, int32_t number, uint32_t flags) : host_(host) {
    const TabBarDefaults& d = tabBarDefaults();
    bar_.Number = number;
    bar_.Font = d.Font;
    bar_.NewTab.TextColor = d.TextColor;
    bar_.NewTab.FaceColor = d.FaceColor;
    bar_.CornerRadius = d.CornerRadius;
    bar_.MinTabLength = d.MinTabLength;
    bar_.MaxTabLength = d.MaxTabLength;
    bar_.Options = flags;
    update();
}

TabBarControl::~TabBarControl() {
    for (auto& t : bar_.Tabs) {
        if (t->Picture != 0) host_.freePicture(t->Picture);
    }
    if (bar_.NewTab.Picture != 0) host_.freePicture(bar_.NewTab.Picture);
}

int32_t TabBarControl::addTab(int32_t position, const std::string& text, PictureHandle picture,
                              int64_t data) {
    const TabBarDefaults& d = tabBarDefaults();
    Tab* tab = nullptr;
    int32_t result = position;
    if (position == NewTabSlot) {
        bar_.Options |= ShowNewTab;
        tab = &bar_.NewTab;
    } else if (position == NoTab || (position >= 0 && position < bar_.tabCount())) {
        const auto at = position == NoTab ? bar_.Tabs.end() : bar_.Tabs.begin() + position;
        tab = bar_.Tabs.insert(at, std::make_unique<Tab>())->get();
        if (position == NoTab) result = bar_.tabCount() - 1;
    }
    if (tab != nullptr) {
        tab->Text = tab->ShownText = text;
        if (tab->Picture != 0) host_.freePicture(tab->Picture);
        tab->Picture = picture != 0 ? host_.copyPicture(picture) : 0;
        tab->Data = data;
        tab->TextColor = withAlpha(d.TextColor, 0xFF);
        tab->FaceColor = withAlpha(d.FaceColor, 0xFF);
    }
    update();
    return result;
}

void TabBarControl::setFont(FontHandle font) {
    bar_.Font = font == -1 ? tabBarDefaults().Font : font;
    update();
}

void TabBarControl::setAttribute(uint32_t attribute, int32_t value) {
    if ((attribute & kOptionAttributes) != 0 && (attribute & (attribute - 1)) == 0) {
        if (value != 0) {
            bar_.Options |= attribute;
        } else {
            if (attribute == ShortenTexts) {
                for (auto& t : bar_.Tabs) t->ShownText = t->Text;
            }
            bar_.Options &= ~attribute;
        }
    } else if (attribute == AttrCornerRadius) {
        bar_.CornerRadius = value;
    } else if (attribute == AttrMinTabLength) {
        bar_.MinTabLength = value;
    } else if (attribute == AttrMaxTabLength) {
        bar_.MaxTabLength = value;
    }
    update();
}

void TabBarControl::setState(int32_t index) {
    if (index == NoTab || index == NewTabSlot) {
        bar_.Selected = nullptr;
    } else if (index != SelectedTab) {
        bar_.Selected = bar_.tabAt(index);
        if (bar_.Selected != nullptr) bar_.FocusSelected = true;
    }
    update();
}

void TabBarControl::setTabColor(int32_t index, int32_t kind, int64_t colour) {
    const TabBarDefaults& d = tabBarDefaults();
    if (Tab* t = bar_.tabAt(index)) {
        const bool useDefault = colour == -1;
        if (kind == TabTextColor) {
            t->TextColor = withAlpha(useDefault ? d.TextColor : static_cast<Colour>(colour), 0xFF);
        } else if (kind == TabFaceColor) {
            t->FaceColor = withAlpha(useDefault ? d.FaceColor : static_cast<Colour>(colour), 0xFF);
        }
    }
    update();
}

void TabBarControl::setTabDisabled(int32_t index, bool disabled) {
    Tab* t = bar_.tabAt(index);
    if (t != nullptr && t != &bar_.NewTab) t->Disabled = disabled;
    update();
}

std::string TabBarControl::tabText(int32_t index) const {
    const Tab* t = bar_.tabAt(index);
    return t != nullptr ? t->Text : std::string();
}

int32_t TabBarControl::handleEvent(const InputEvent& event) {
    handleInput(bar_, tabBarDefaults(), event, host_.canvasWidth(), host_.canvasHeight());
    if (auto tip = takeToolTipChange(bar_)) host_.setToolTip(*tip);
    update();
    return bar_.Event;
}

void TabBarControl::update() {
    const int32_t height = host_.canvasHeight();
    const int32_t wanted =
        layoutTabBar(bar_, tabBarDefaults(), host_.canvasWidth(), height,
                     [this](const std::string& text) { return host_.textWidth(bar_.Font, text); });
    if (wanted != height) host_.setCanvasHeight(wanted);
    host_.repaint();
}

}  // namespace tessaly
