// Work not given back: the "*" in the main window's title and the question before quitting.
#include "app/message_box_wx.h"
#include "app/shell_wx.h"
#include "ui/main_controls.h"
#include "ui/utf8_wx.h"

namespace tessaly {

void Shell::setUnsaved(bool unsaved) {
    if (unsaved == unsaved_ && frame_) return;
    unsaved_ = unsaved;
    if (frame_) frame_->SetTitle(toWx((unsaved ? "*" : "") + std::string(main_window::kTitle)));
}

void Shell::onClose(wxCloseEvent& event) {
    if (requestQuit()) return;
    if (event.CanVeto()) {
        event.Veto();
    } else {
        quit();  // the session is ending: no choice left
    }
}

bool Shell::requestQuit() {
    if (quitting_) return true;
    if (unsaved_) {
        const bool ide = link_ != Link::Clipboard;
        const int answer = askChoice(
            std::string(main_window::kTitle),
            ide ? "The code has changes that were not sent to the IDE.\n\n"
                  "Update the IDE before quitting?"
                : "The code has changes that were not copied.\n\nCopy the code before quitting?",
            {ide ? "IDE Update and quit" : "Copy and quit",
             ide ? "Quit without updating" : "Quit without copying", "Keep editing"});
        if (answer == 2) return false;
        if (answer == 0) {
            if (ide) {
                ideUpdate();  // quits once the code is given back
                return quitting_;
            }
            copy();
        }
    }
    quit();
    return true;
}

}  // namespace tessaly
