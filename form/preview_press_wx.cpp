#include "form/preview_press_wx.h"

#include <wx/window.h>

namespace tessaly {

PreviewPressFilter::PreviewPressFilter(std::function<wxTopLevelWindow*()> previewWindow,
                                       std::function<void()> onPress)
    : previewWindow_(std::move(previewWindow)), onPress_(std::move(onPress)) {
    wxEvtHandler::AddFilter(this);
}

PreviewPressFilter::~PreviewPressFilter() {
    wxEvtHandler::RemoveFilter(this);
}

int PreviewPressFilter::FilterEvent(wxEvent& event) {
    if (event.GetEventType() != wxEVT_LEFT_DOWN) return Event_Skip;
    auto* pressed = dynamic_cast<wxWindow*>(event.GetEventObject());
    wxTopLevelWindow* preview = previewWindow_();
    if (pressed && preview && wxGetTopLevelParent(pressed) == preview) onPress_();
    return Event_Skip;
}

}  // namespace tessaly
