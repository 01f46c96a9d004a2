#pragma once

#include <cstdint>
#include <string>

#include "tabbar/tabbar_input.h"
#include "tabbar/tabbar_model.h"

namespace tessaly {

// What a tab bar needs of its canvas. The window layer implements it on a real canvas; tests
// implement it with fixed text metrics and a recording surface.
class TabBarHost {
  public:
    virtual ~TabBarHost() = default;
    virtual int32_t canvasWidth() const = 0;
    virtual int32_t canvasHeight() const = 0;
    // Resizes the canvas to a new height, keeping its position and width.
    virtual void setCanvasHeight(int32_t height) = 0;
    virtual int32_t textWidth(FontHandle font, const std::string& text) = 0;
    virtual void setToolTip(const std::string& text) = 0;
    // A new 16x16 32-bit copy of the picture, 0 when there is none to copy.
    virtual PictureHandle copyPicture(PictureHandle source) = 0;
    virtual void freePicture(PictureHandle copy) = 0;
    // Repaints the whole canvas with paintTabBar from the current state.
    virtual void repaint() = 0;
};

// One tab bar: its state record and the operations its owner calls. Every operation except
// the queries ends by laying out and repainting (update). The host must outlive the control.
class TabBarControl {
  public:
    // The create operation: a fresh state from the process-wide defaults, Options = flags.
    TabBarControl(TabBarHost& host, int32_t number, uint32_t flags);
    ~TabBarControl();
    TabBarControl(const TabBarControl&) = delete;
    TabBarControl& operator=(const TabBarControl&) = delete;

    // position NoTab appends, NewTabSlot fills and shows the new-tab button, an index inserts
    // before that tab; any other position adds nothing. Returns the new tab's index for NoTab,
    // otherwise the position given.
    int32_t addTab(int32_t position, const std::string& text, PictureHandle picture, int64_t data);
    // font -1: the defaults' font.
    void setFont(FontHandle font);
    // An option bit (see the option constants) or AttrCornerRadius / AttrMinTabLength /
    // AttrMaxTabLength; anything else only updates.
    void setAttribute(uint32_t attribute, int32_t value);
    // Selects the tab at index; NoTab and NewTabSlot clear, SelectedTab keeps the selection.
    void setState(int32_t index);
    // kind TabTextColor or TabFaceColor; colour -1: the default. Stored opaque.
    void setTabColor(int32_t index, int32_t kind, int64_t colour);
    void setTabDisabled(int32_t index, bool disabled);
    // The full text of a tab, "" for an index that names no tab.
    std::string tabText(int32_t index) const;
    // The tab the last handled event concerns: an index, NoTab or NewTabSlot.
    int32_t eventTab() const { return bar_.EventTab; }
    // Handles one canvas event; returns the event code (NoEvent, SelectionChanged, ...).
    int32_t handleEvent(const InputEvent& event);
    // Lays out and repaints without looking at input.
    void update();

    const TabBar& state() const { return bar_; }
    // Direct access for the window layer's painting and for tests that set tooltips.
    TabBar& state() { return bar_; }

  private:
    TabBarHost& host_;
    TabBar bar_;
};

}  // namespace tessaly
