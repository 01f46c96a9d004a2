#pragma once

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/graphics.h>

#include <functional>
#include <string>

#include "tabbar/draw_surface.h"

namespace tessaly {

// Size of a text drawn with a font on a graphics context, in whole pixels (rounded up); the
// tab bar measures for layout and for painting through this one function so the two agree.
wxSize measureText(wxGraphicsContext& gc, const wxFont& font, const std::string& text);

// The tab bar's drawing interface on a wxGraphicsContext (gradients and alpha blending).
// The canvas below keeps no alpha: colours drawn in the replace mode come out opaque.
class GcSurface : public DrawSurface {
  public:
    using PictureLookup = std::function<const wxBitmap*(PictureHandle)>;
    GcSurface(wxGraphicsContext& gc, int32_t width, int32_t height, PictureLookup pictures);

    int32_t width() const override { return width_; }
    int32_t height() const override { return height_; }
    void setFont(FontHandle font) override;
    int32_t textWidth(const std::string& text) override;
    int32_t textHeight(const std::string& text) override;
    void setMode(uint32_t modes) override { mode_ = modes; }
    void setLinearGradient(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           const std::vector<GradientStop>& stops) override;
    void box(int32_t x, int32_t y, int32_t w, int32_t h, Colour c) override;
    void roundBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t rx, int32_t ry,
                  Colour c) override;
    void line(int32_t x, int32_t y, int32_t w, int32_t h, Colour c) override;
    void lineXY(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Colour c) override;
    void text(int32_t x, int32_t y, const std::string& text, Colour c) override;
    void picture(PictureHandle picture, int32_t x, int32_t y, int32_t alpha) override;

  private:
    wxColour colourOf(Colour c) const;
    // Sets pen and brush for a shape: outline only, gradient or plain fill, as the mode says.
    void prepareShape(Colour c);

    wxGraphicsContext& gc_;
    int32_t width_;
    int32_t height_;
    PictureLookup pictures_;
    uint32_t mode_ = DrawAlphaBlend;
    wxGraphicsBrush gradient_;
    wxFont font_;
};

}  // namespace tessaly
