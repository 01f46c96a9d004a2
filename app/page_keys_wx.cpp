// The pages from the keyboard: where the focus goes when a shortcut shows a page.
#include <wx/listctrl.h>

#include "app/shell_wx.h"
#include "ui/main_controls.h"
#include "ui/registry_wx.h"

namespace tessaly {

void Shell::focusPage(Page page) {
    using namespace main_window;
    Registry& registry = Registry::instance();
    if (page == Page::Flags) {
        auto* flags = static_cast<wxListCtrl*>(registry.control(kFlagList));
        if (!flags->IsEnabled() || flags->GetItemCount() == 0) return;
        flags->SetFocus();
        // On a row, so that Space has one to tick.
        if (flags->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED) < 0) {
            flags->SetItemState(0, wxLIST_STATE_FOCUSED | wxLIST_STATE_SELECTED,
                                wxLIST_STATE_FOCUSED | wxLIST_STATE_SELECTED);
        }
        return;
    }
    for (int32_t number : {kNameField, kXField, kYField, kWidthField, kHeightField}) {
        wxWindow* field = registry.control(number);
        if (field->IsShown() && field->IsEnabled()) {
            field->SetFocus();
            return;
        }
    }
}

}  // namespace tessaly
