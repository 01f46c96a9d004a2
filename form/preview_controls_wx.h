#pragma once

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/window.h>

#include <cstdint>
#include <string_view>

#include "form/preview_rules.h"
#include "ui/registry_wx.h"

namespace tessaly {

// Creates the control that a gadget call becomes (table in preview_controls_wx.cpp) as a child
// of parent, at the toolkit's default place and size: the builder places it. code is the
// element's line (flag names are looked up in it); image is what an image, button-image or
// OpenGL gadget shows. Returns nullptr for kinds that are no plain control (splitter,
// scintilla, and calls that make no control).
wxWindow* makeGadgetControl(PreviewKind kind, wxWindow* parent, const Slots& slots,
                            std::string_view code, const wxBitmap& image);

// The frame style of a preview window opened by a window line, from the flag names in the line.
long windowStyle(std::string_view code);

// True for the gadgets that open a gadget list: container, panel, scroll area.
bool opensGadgetList(PreviewKind kind);

// Longest side of the picture that an image, button-image or OpenGL gadget holds. Image and
// OpenGL gadgets stretch their picture over their whole area, so a gadget costs the same memory
// whatever size its code gives it (forms can ask for 16384 x 16384).
inline constexpr int32_t kMaxPictureSide = 512;

// The placeholder of an image or button-image gadget of width x height: an image filled with tan
// (210, 180, 140), of that size but at most kMaxPictureSide a side; the null bitmap for a size of
// 0, which the toolkit cannot make.
wxBitmap placeholderImage(int32_t width, int32_t height);

// `picture` scaled for a gadget of width x height, at most kMaxPictureSide a side; the null bitmap
// for a size of 0 or an invalid picture.
wxBitmap scaledPicture(const wxImage& picture, int32_t width, int32_t height);

// For an edit that resized an image or OpenGL gadget to width x height: replaces image
// `imageNumber` by `source` (when valid; else by what that image holds now) scaled to the new
// size, bounded as above, and shows it on the gadget's control. An image gadget's tan stays tan;
// the OpenGL gadgets' shared picture takes this size, as the last resize wins. Does nothing for a
// size of 0, an image number that names no image, or a control that shows no picture.
void refitGadgetPicture(Registry& registry, int32_t imageNumber, wxWindow* control, int32_t width,
                        int32_t height, const wxImage& source = wxImage());

}  // namespace tessaly
