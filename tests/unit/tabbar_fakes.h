#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tabbar/draw_surface.h"
#include "tabbar/main_tab_bar.h"
#include "tabbar/tabbar_control.h"
#include "tabbar/tabbar_paint.h"

namespace tessaly::test {

// Text metrics of the fakes: 7 pixels a character, 2 for a dot, 14 high.
inline int32_t fakeTextWidth(const std::string& text) {
    int32_t w = 0;
    for (char c : text) w += c == '.' ? 2 : 7;
    return w;
}

// A canvas without a window: fixed metrics, remembered tooltips and resizes, picture copies
// numbered from 500.
class FakeHost : public TabBarHost {
  public:
    FakeHost(int32_t w, int32_t h) : width(w), height(h) {}
    int32_t canvasWidth() const override { return width; }
    int32_t canvasHeight() const override { return height; }
    void setCanvasHeight(int32_t h) override { height = h; }
    int32_t textWidth(FontHandle, const std::string& text) override { return fakeTextWidth(text); }
    void setToolTip(const std::string& text) override { toolTips.push_back(text); }
    PictureHandle copyPicture(PictureHandle) override { return ++lastPicture; }
    void freePicture(PictureHandle copy) override { freed.push_back(copy); }
    void repaint() override { ++repaints; }

    int32_t width;
    int32_t height;
    std::vector<std::string> toolTips;
    PictureHandle lastPicture = 499;
    std::vector<PictureHandle> freed;
    int repaints = 0;
};

// One recorded drawing call.
struct Call {
    std::string op;  // "box", "roundBox", "line", "lineXY", "text", "picture", "gradient", "mode"
    std::vector<int32_t> args;
    Colour colour = 0;
    std::string text;
    std::vector<GradientStop> stops;
    uint32_t mode = 0;  // the drawing mode in force
};

// Records every drawing call in order.
class RecordingSurface : public DrawSurface {
  public:
    RecordingSurface(int32_t w, int32_t h) : w_(w), h_(h) {}
    int32_t width() const override { return w_; }
    int32_t height() const override { return h_; }
    void setFont(FontHandle f) override { font = f; }
    int32_t textWidth(const std::string& text) override { return fakeTextWidth(text); }
    int32_t textHeight(const std::string& text) override { return text.empty() ? 0 : 14; }
    void setMode(uint32_t m) override {
        mode = m;
        calls.push_back({"mode", {}, 0, {}, {}, m});
    }
    void setLinearGradient(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           const std::vector<GradientStop>& stops) override {
        calls.push_back({"gradient", {x1, y1, x2, y2}, 0, {}, stops, mode});
    }
    void box(int32_t x, int32_t y, int32_t w, int32_t h, Colour c) override {
        calls.push_back({"box", {x, y, w, h}, c, {}, {}, mode});
    }
    void roundBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t rx, int32_t ry,
                  Colour c) override {
        calls.push_back({"roundBox", {x, y, w, h, rx, ry}, c, {}, {}, mode});
    }
    void line(int32_t x, int32_t y, int32_t w, int32_t h, Colour c) override {
        calls.push_back({"line", {x, y, w, h}, c, {}, {}, mode});
    }
    void lineXY(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Colour c) override {
        calls.push_back({"lineXY", {x1, y1, x2, y2}, c, {}, {}, mode});
    }
    void text(int32_t x, int32_t y, const std::string& t, Colour c) override {
        calls.push_back({"text", {x, y}, c, t, {}, mode});
    }
    void picture(PictureHandle p, int32_t x, int32_t y, int32_t a) override {
        calls.push_back({"picture", {static_cast<int32_t>(p), x, y, a}, 0, {}, {}, mode});
    }

    // The calls of one kind, in order.
    std::vector<Call> only(const std::string& op) const {
        std::vector<Call> out;
        for (const Call& c : calls) {
            if (c.op == op) out.push_back(c);
        }
        return out;
    }

    FontHandle font = 0;
    uint32_t mode = 0;
    std::vector<Call> calls;

  private:
    int32_t w_, h_;
};

// Resets the shared defaults to fixed colours so that tests do not depend on a theme.
inline void resetDefaults() {
    TabBarDefaults d;
    d.BackColor = kMainWindowBackColor;
    d.FaceColor = rgba(240, 240, 240, 0xFF);
    d.BorderColor = rgba(160, 160, 160, 0xFF);
    d.TextColor = rgba(0, 0, 0, 0xFF);
    d.Font = 42;
    tabBarDefaults() = d;
}

// The main window's bar on a fake 285 x 28 canvas.
struct MainBar {
    MainBar() : host(kMainTabBarWidth, kMainTabBarHeight) {
        resetDefaults();
        bar = std::make_unique<TabBarControl>(host, kMainTabBarNumber, kMainTabBarFlags);
        configureMainTabBar(*bar, 7);
    }
    const TabBar& state() const { return bar->state(); }
    const Tab& tab(size_t i) const { return *state().Tabs[i]; }
    RecordingSurface paint() const {
        RecordingSurface s(host.width, host.height);
        paintTabBar(state(), tabBarDefaults(), s);
        return s;
    }
    FakeHost host;
    std::unique_ptr<TabBarControl> bar;
};

// A bar of width x 28 with count tabs "Tab0", "Tab1", ... (each 40 pixels long).
struct NumberedBar {
    NumberedBar(int32_t width, int count, uint32_t flags) : host(width, 28) {
        resetDefaults();
        bar = std::make_unique<TabBarControl>(host, 100000, flags);
        for (int i = 0; i < count; ++i) bar->addTab(NoTab, "Tab" + std::to_string(i), 0, 0);
    }
    const TabBar& state() const { return bar->state(); }
    const Tab& tab(size_t i) const { return *state().Tabs[i]; }
    FakeHost host;
    std::unique_ptr<TabBarControl> bar;
};

inline InputEvent at(InputType type, int32_t x, int32_t y, int32_t wheel = 0) {
    return InputEvent{type, x, y, wheel};
}

}  // namespace tessaly::test
