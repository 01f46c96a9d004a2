#pragma once

#include <wx/app.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace tessaly::test {

// Lets the toolkit show, size and paint what the test just did.
inline void settle(int rounds = 10) {
    for (int i = 0; i < rounds; ++i) {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}

// Sends one mouse event of the given type at canvas position (x, y) through the window's
// own handlers, as the toolkit would deliver it.
inline void sendMouse(wxWindow* w, wxEventType type, int x, int y, int wheel = 0) {
    wxMouseEvent e(type);
    e.SetEventObject(w);
    e.SetPosition(wxPoint(x, y));
    if (type == wxEVT_MOUSEWHEEL) {
        e.m_wheelRotation = wheel * 120;
        e.m_wheelDelta = 120;
        e.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    }
    w->GetEventHandler()->ProcessEvent(e);
}

inline void click(wxWindow* w, int x, int y) {
    sendMouse(w, wxEVT_LEFT_DOWN, x, y);
    sendMouse(w, wxEVT_LEFT_UP, x, y);
}

}  // namespace tessaly::test
