#include "tabbar/gc_surface_wx.h"

#include <wx/brush.h>
#include <wx/image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "tabbar/tabbar_fonts_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

wxSize measureText(wxGraphicsContext& gc, const wxFont& font, const std::string& text) {
    if (text.empty()) return {0, 0};
    gc.SetFont(font, *wxBLACK);
    wxDouble w = 0, h = 0;
    gc.GetTextExtent(toWx(text), &w, &h);
    return {static_cast<int>(std::ceil(w)), static_cast<int>(std::ceil(h))};
}

GcSurface::GcSurface(wxGraphicsContext& gc, int32_t width, int32_t height, PictureLookup pictures)
    : gc_(gc), width_(width), height_(height), pictures_(std::move(pictures)) {}

wxColour GcSurface::colourOf(Colour c) const {
    // Only alpha blending honours a colour's alpha; the canvas itself has no alpha channel, so
    // replacing every channel leaves the colour opaque there.
    const unsigned char a = (mode_ & DrawAlphaBlend) != 0 ? alpha(c) : 0xFF;
    return wxColour(red(c), green(c), blue(c), a);
}

void GcSurface::setFont(FontHandle font) {
    font_ = tabBarFont(font);
}

int32_t GcSurface::textWidth(const std::string& text) {
    return measureText(gc_, font_, text).x;
}

int32_t GcSurface::textHeight(const std::string& text) {
    return measureText(gc_, font_, text).y;
}

void GcSurface::setLinearGradient(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                  const std::vector<GradientStop>& stops) {
    if (stops.empty()) return;
    wxGraphicsGradientStops wxStops(colourOf(stops.front().colour), colourOf(stops.back().colour));
    for (size_t i = 1; i + 1 < stops.size(); ++i) {
        wxStops.Add(colourOf(stops[i].colour), static_cast<float>(stops[i].position));
    }
    gradient_ = gc_.CreateLinearGradientBrush(x1, y1, x2, y2, wxStops);
}

void GcSurface::prepareShape(Colour c) {
    if ((mode_ & DrawOutlined) != 0) {
        gc_.SetPen(gc_.CreatePen(wxGraphicsPenInfo(colourOf(c), 1)));
        gc_.SetBrush(wxNullGraphicsBrush);
    } else {
        gc_.SetPen(wxNullGraphicsPen);
        gc_.SetBrush((mode_ & DrawGradient) != 0 && !gradient_.IsNull()
                         ? gradient_
                         : gc_.CreateBrush(wxBrush(colourOf(c))));
    }
}

void GcSurface::box(int32_t x, int32_t y, int32_t w, int32_t h, Colour c) {
    prepareShape(c);
    if ((mode_ & DrawOutlined) != 0) {
        gc_.DrawRectangle(x + 0.5, y + 0.5, w - 1, h - 1);  // along the box's outer pixels
    } else {
        gc_.DrawRectangle(x, y, w, h);
    }
}

void GcSurface::roundBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t rx, int32_t ry,
                         Colour c) {
    // One radius for both directions; a radius past half the box uses the half.
    const double r = std::max(0, std::min({rx, ry, w / 2, h / 2}));
    prepareShape(c);
    if ((mode_ & DrawOutlined) != 0) {
        gc_.DrawRoundedRectangle(x + 0.5, y + 0.5, w - 1, h - 1, r);
    } else {
        gc_.DrawRoundedRectangle(x, y, w, h, r);
    }
}

void GcSurface::line(int32_t x, int32_t y, int32_t w, int32_t h, Colour c) {
    if (w == 0 || h == 0) return;
    const auto [ex, ey] = lineEnd(x, y, w, h);
    if (std::abs(w) == 1 || std::abs(h) == 1) {
        // Straight lines cover whole pixels, end pixels included.
        gc_.SetPen(wxNullGraphicsPen);
        gc_.SetBrush(gc_.CreateBrush(wxBrush(colourOf(c))));
        gc_.DrawRectangle(std::min(x, ex), std::min(y, ey), std::abs(ex - x) + 1,
                          std::abs(ey - y) + 1);
        return;
    }
    lineXY(x, y, ex, ey, c);
}

void GcSurface::lineXY(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Colour c) {
    gc_.SetPen(gc_.CreatePen(wxGraphicsPenInfo(colourOf(c), 1).Cap(wxCAP_PROJECTING)));
    gc_.StrokeLine(x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5);
}

void GcSurface::text(int32_t x, int32_t y, const std::string& text, Colour c) {
    gc_.SetFont(font_, colourOf(c));
    gc_.DrawText(toWx(text), x, y);
}

void GcSurface::picture(PictureHandle picture, int32_t x, int32_t y, int32_t alpha) {
    const wxBitmap* bitmap = pictures_ ? pictures_(picture) : nullptr;
    if (bitmap == nullptr || !bitmap->IsOk()) return;
    if (alpha >= 255) {
        gc_.DrawBitmap(*bitmap, x, y, bitmap->GetWidth(), bitmap->GetHeight());
        return;
    }
    wxImage image = bitmap->ConvertToImage();
    if (!image.HasAlpha()) image.InitAlpha();
    unsigned char* a = image.GetAlpha();
    for (int i = 0, n = image.GetWidth() * image.GetHeight(); i < n; ++i) {
        a[i] = static_cast<unsigned char>(a[i] * std::max(alpha, 0) / 255);
    }
    gc_.DrawBitmap(wxBitmap(image, 32), x, y, image.GetWidth(), image.GetHeight());
}

}  // namespace tessaly
