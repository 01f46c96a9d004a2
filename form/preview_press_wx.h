#pragma once

#include <wx/eventfilter.h>
#include <wx/toplevel.h>

#include <functional>

namespace tessaly {

// Sees every left-button press of the program before the pressed control does (GTK delivers them
// for native controls too) and calls onPress for a press on the preview window or on any control
// inside it. The press still reaches its control. Installed while the object lives.
class PreviewPressFilter : public wxEventFilter {
  public:
    // previewWindow: the current preview window, or nullptr while there is none.
    PreviewPressFilter(std::function<wxTopLevelWindow*()> previewWindow,
                       std::function<void()> onPress);
    ~PreviewPressFilter() override;
    PreviewPressFilter(const PreviewPressFilter&) = delete;
    PreviewPressFilter& operator=(const PreviewPressFilter&) = delete;

    int FilterEvent(wxEvent& event) override;

  private:
    std::function<wxTopLevelWindow*()> previewWindow_;
    std::function<void()> onPress_;
};

}  // namespace tessaly
