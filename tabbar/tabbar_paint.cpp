#include "tabbar/tabbar_paint.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tessaly {

namespace {

// c with its alpha divided by 4: the soft edge of a glyph.
Colour softened(Colour c) {
    return withAlpha(c, alpha(c) / 4);
}

void button(const TabBarDefaults& d, DrawSurface& s, int32_t x, int32_t y, int32_t w, int32_t h,
            Colour c, bool sunken) {
    Colour light = colourAdd(c, 0x404040);
    Colour dark = colourSub(c, 0x404040);
    if (sunken) std::swap(light, dark);
    s.setMode(DrawGradient | DrawAlphaBlend);
    s.setLinearGradient(x, y, x, y + h - 1, {{0.0, light}, {0.5, c}, {1.0, dark}});
    s.roundBox(x, y, w, h, 3, 3, c);
    s.setMode(DrawOutlined | DrawAlphaBlend);
    s.roundBox(x, y, w, h, 3, 3, withAlpha(d.BorderColor, 0x80));
    s.setMode(DrawAlphaBlend | DrawTransparent);
}

void crossGlyph(DrawSurface& s, int32_t x, int32_t y, int32_t size, Colour c) {
    const Colour soft = softened(c);
    s.line(x, y + 1, size - 1, size - 1, soft);
    s.line(x + 1, y, size - 1, size - 1, soft);
    s.line(x, y + size - 2, size - 1, -(size - 1), soft);
    s.line(x + 1, y + size - 1, size - 1, -(size - 1), soft);
    s.line(x, y, size, size, c);
    s.line(x, y + size - 1, size, -size, c);
}

// Tip at (x, y); size > 0 points left, size < 0 points right.
void arrowGlyph(DrawSurface& s, int32_t x, int32_t y, int32_t size, Colour c) {
    const int32_t n = std::abs(size);
    const int32_t dir = size > 0 ? 1 : -1;
    for (int32_t i = 1; i <= n; ++i) s.line(x + i * dir, y - i, 1, 2 * i, c);
    const Colour soft = softened(c);
    s.lineXY(x, y - 1, x + size, y - n - 1, soft);
    s.lineXY(x, y, x + size, y + n, soft);
}

void paintTab(const TabBar& bar, const TabBarDefaults& d, DrawSurface& s, const Tab& t) {
    const bool disabled = t.FaceState == FaceDisabled;
    const int32_t r = bar.CornerRadius;
    const int32_t top = t.BoxY;
    const int32_t bottom = t.BoxY + t.BoxHeight - 1;
    s.setMode(DrawGradient | DrawAlphaBlend | DrawTransparent);
    if (bar.has(UpsideDown)) {
        s.setLinearGradient(0, bottom, 0, top, faceStops(d, t.FaceState, t.FaceColor));
    } else {
        s.setLinearGradient(0, top, 0, bottom, faceStops(d, t.FaceState, t.FaceColor));
    }
    // The extra height pushes the corners on the page side out of view.
    const int32_t dy = bar.has(UpsideDown) ? -(r + 1) : 0;
    s.roundBox(t.BoxX, t.BoxY + dy, t.BoxWidth, t.BoxHeight + r, r, r, t.FaceColor);
    s.setMode(DrawOutlined | DrawAlphaBlend);
    const Colour border = disabled ? withAlpha(d.BorderColor, 0x80) : d.BorderColor;
    s.roundBox(t.BoxX, t.BoxY + dy, t.BoxWidth, t.BoxHeight + r, r, r, border);

    s.setMode(DrawAlphaBlend | DrawTransparent);
    const bool isNew = &t == &bar.NewTab;
    const bool closeButton = bar.has(ShowCloseButtons) && !isNew;
    int32_t x = t.BoxX + t.PaddingX;
    int32_t room = t.BoxWidth - 2 * t.PaddingX;
    if (closeButton) room -= d.CloseButtonSize + d.ImageSpacing;
    if (t.Picture != 0) {
        s.picture(t.Picture, x, t.BoxY + (t.BoxHeight - kTabPictureSize) / 2, disabled ? 64 : 255);
        x += kTabPictureSize + d.ImageSpacing;
        room -= kTabPictureSize + d.ImageSpacing;
    }
    if (!t.ShownText.empty()) {
        const std::string shown = fitText(t.ShownText, room, s);
        const int32_t y = t.BoxY + (t.BoxHeight - s.textHeight(t.ShownText)) / 2;
        s.text(x, y, shown, disabled ? withAlpha(t.TextColor, 0x40) : t.TextColor);
    }
    if (closeButton) {
        const int32_t size = d.CloseButtonSize;
        const int32_t bx = t.BoxX + t.BoxWidth - size - t.PaddingX;
        const int32_t by = t.BoxY + (t.BoxHeight - size) / 2;
        if (&t == bar.Hover && bar.HoverClose) {
            button(d, s, bx, by, size, size, t.FaceColor, bar.ClosePressed && bar.Pressed == &t);
        }
        crossGlyph(s, bx + 3, by + 3, size - 6,
                   disabled ? withAlpha(d.TextColor, 0x40) : d.TextColor);
    }
}

void paintArrow(const TabBar& bar, const TabBarDefaults& d, DrawSurface& s, uint32_t which,
                int32_t x, int32_t tipX, int32_t size) {
    const int32_t cy = (s.height() + d.Margin) / 2;
    if (bar.HoverArrow == which) {
        button(d, s, x, cy - d.ArrowHeight / 2, d.ArrowWidth, d.ArrowHeight, d.FaceColor,
               bar.ArrowPressed == bar.HoverArrow);
        arrowGlyph(s, tipX, cy, size, d.TextColor);
    } else {
        arrowGlyph(s, tipX, cy, size, withAlpha(d.TextColor, 0x80));
    }
}

}  // namespace

std::vector<GradientStop> faceStops(const TabBarDefaults& d, int32_t faceState, Colour F) {
    switch (faceState) {
        case FaceSelected:
        case FaceMoving: {
            Colour C = colourAdd(F, d.ActiveLight);
            if (faceState == FaceMoving) C = withAlpha(C, 0xC0);
            return {{0.0, colourAdd(C, 0x101010)}, {0.5, C}, {1.0, colourSub(C, 0x101010)}};
        }
        default: {
            Colour C = faceState == FaceHover ? colourAdd(F, d.HoverLight) : F;
            if (faceState == FaceDisabled) C = withAlpha(C, 0x80);
            return {{0.0, colourAdd(C, 0x202020)},
                    {0.5, C},
                    {0.6, colourSub(C, 0x101010)},
                    {1.0, colourSub(C, 0x303030)}};
        }
    }
}

std::string fitText(const std::string& shownText, int32_t room, DrawSurface& s) {
    std::string text = shownText;
    for (int32_t kept = charCount(shownText); kept > 3 && s.textWidth(text) > room;) {
        --kept;
        text = firstChars(shownText, kept) + "..";
    }
    return text;
}

void paintTabBar(const TabBar& bar, const TabBarDefaults& d, DrawSurface& s) {
    const int32_t w = s.width();
    const int32_t h = s.height();
    s.setFont(bar.Font);
    s.setMode(DrawAllChannels);
    s.box(0, 0, w, h, d.BackColor);
    s.setMode(DrawAlphaBlend);

    const bool newTabShown = bar.has(ShowNewTab) && !bar.has(MoreAhead);
    for (int32_t row = std::max(bar.Rows, 1) - 1; row >= 0; --row) {
        for (auto it = bar.Tabs.rbegin(); it != bar.Tabs.rend(); ++it) {
            const Tab& t = **it;
            if (t.Visible && t.Row == row && &t != bar.Selected && &t != bar.Moving) {
                paintTab(bar, d, s, t);
            }
        }
        if (newTabShown && bar.NewTab.Row == row) paintTab(bar, d, s, bar.NewTab);
        if (row == 0 && bar.has(BaseLine)) {
            s.setMode(DrawAlphaBlend);
            s.line(0, bar.has(UpsideDown) ? 0 : h - 1, w, 1, d.BorderColor);
        }
        const Tab* sel = bar.Selected;
        if (sel != nullptr && sel->Visible && sel->Row == row) paintTab(bar, d, s, *sel);
        const Tab* moving = bar.Moving;
        if (moving != nullptr && moving != sel && moving->Row == row) {
            paintTab(bar, d, s, *moving);
        }
    }

    const int32_t newTabRoom = bar.has(ShowNewTab) ? bar.NewTab.TabLength + d.Margin : 0;
    if (bar.has(ScrolledBack)) {
        const int32_t x0 = d.Margin + d.ArrowWidth;
        s.setMode(DrawGradient | DrawAlphaBlend);
        s.setLinearGradient(x0, 0, x0 + d.FadeWidth, 0,
                            {{0.0, withAlpha(d.BackColor, 0xFF)},
                             {0.5, withAlpha(d.BackColor, 0xA0)},
                             {1.0, withAlpha(d.BackColor, 0)}});
        s.box(0, 0, x0 + d.FadeWidth, h, d.BackColor);
    }
    if (bar.has(MoreAhead)) {
        const int32_t x0 = w - d.Margin - d.ArrowWidth - d.FadeWidth - newTabRoom;
        s.setMode(DrawGradient | DrawAlphaBlend);
        s.setLinearGradient(x0, 0, x0 + d.FadeWidth, 0,
                            {{0.0, withAlpha(d.BackColor, 0)},
                             {0.5, withAlpha(d.BackColor, 0xA0)},
                             {1.0, withAlpha(d.BackColor, 0xFF)}});
        s.box(x0, 0, w - x0, h, d.BackColor);
    }
    s.setMode(DrawAlphaBlend);
    if (bar.has(ScrolledBack)) paintArrow(bar, d, s, ScrolledBack, 0, 2, d.ArrowWidth - 6);
    if (bar.has(MoreAhead)) {
        const int32_t x = w - d.ArrowWidth - newTabRoom;
        paintArrow(bar, d, s, MoreAhead, x, x + d.ArrowWidth - 3, -(d.ArrowWidth - 6));
    }
    if (bar.has(ShowNewTab) && bar.has(MoreAhead)) paintTab(bar, d, s, bar.NewTab);
}

}  // namespace tessaly
