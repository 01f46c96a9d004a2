#pragma once

#include <gtest/gtest.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include "ui_support.h"

namespace tessaly::test {

// Sends one mouse event of the given type at canvas position (x, y) through the window's
// own handlers, as the toolkit would deliver it; a wheel turns by `rotation` (120 a notch).
inline void sendMouseRotation(wxWindow* w, wxEventType type, int x, int y, int rotation) {
    wxMouseEvent e(type);
    e.SetEventObject(w);
    e.SetPosition(wxPoint(x, y));
    if (type == wxEVT_MOUSEWHEEL) {
        e.m_wheelRotation = rotation;
        e.m_wheelDelta = 120;
        e.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    }
    w->GetEventHandler()->ProcessEvent(e);
}

// sendMouseRotation with a wheel turned by whole notches.
inline void sendMouse(wxWindow* w, wxEventType type, int x, int y, int wheel = 0) {
    sendMouseRotation(w, type, x, y, wheel * 120);
}

inline void click(wxWindow* w, int x, int y) {
    sendMouse(w, wxEVT_LEFT_DOWN, x, y);
    sendMouse(w, wxEVT_LEFT_UP, x, y);
}

// A real pointer click (X test events) at (x, y) of the window, its top-level window raised
// and active first so that nothing else takes the click and the position on screen is final.
inline void pointerClick(wxWindow* w, int x, int y) {
    auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(w));
    ASSERT_NE(top, nullptr);
    top->Raise();
    ASSERT_TRUE(pumpUntil([top] { return top->IsShownOnScreen() && top->IsActive(); }))
        << "window not shown and active";
    pumpFor(50);
    wxUIActionSimulator sim;
    sim.MouseMove(w->ClientToScreen(wxPoint(x, y)));
    pumpFor(30);
    sim.MouseClick();
}

}  // namespace tessaly::test
