#pragma once

#include <wx/bitmap.h>
#include <wx/window.h>

#include <cstdint>
#include <string_view>

#include "form/preview_rules.h"

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

// A new image of width x height filled with the placeholder tan (210, 180, 140); the null bitmap
// for a size of 0, which the toolkit cannot make.
wxBitmap placeholderImage(int32_t width, int32_t height);

}  // namespace tessaly
