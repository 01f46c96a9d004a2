#pragma once

#include <wx/font.h>
#include <wx/window.h>

#include <cstdint>
#include <string>

#include "tabbar/tabbar_canvas_wx.h"

namespace tessaly {

// The tab bar's operations addressed by control number, as the rest of the program addresses
// controls. A number that names no tab bar is a programmer error: asserted, then ignored
// (queries give "" or NoTab).

// The tab bar a number names, or nullptr.
TabBarCanvas* tabBarCanvas(int32_t number);

// Creates a tab bar canvas in parent and registers it. A negative number asks for an allocated
// one. Returns the control's number.
int32_t tabBarCreate(wxWindow* parent, int32_t number, int x, int y, int width, int height,
                     uint32_t flags);
// image: a registered image number, 0 for none.
int32_t tabBarAddTab(int32_t number, int32_t position, const std::string& text, int32_t image,
                     int64_t data);
// An invalid font (wxNullFont) means the defaults' font.
void tabBarSetFont(int32_t number, const wxFont& font);
void tabBarSetAttribute(int32_t number, uint32_t attribute, int32_t value);
void tabBarSetState(int32_t number, int32_t index);
void tabBarSetTabColor(int32_t number, int32_t index, int32_t kind, int64_t colour);
void tabBarSetTabDisabled(int32_t number, int32_t index, bool disabled);
std::string tabBarTabText(int32_t number, int32_t index);
int32_t tabBarEventTab(int32_t number);
int32_t tabBarHandleEvent(int32_t number, const InputEvent& event);
void tabBarUpdate(int32_t number);

}  // namespace tessaly
