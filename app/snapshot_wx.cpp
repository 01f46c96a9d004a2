#include "app/snapshot_wx.h"

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

#include "app/safe_write.h"
#include "ui/registry_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

namespace {

// The toolkit and the window manager need a moment after the window is shown before its
// controls are drawn; the picture is taken after this long with the window on screen.
constexpr int kSettleMs = 600;
constexpr int kGiveUpMs = 20000;

class TimedSnapshot : public Snapshot {
  public:
    TimedSnapshot(Shell& shell, std::string path, std::function<void(int, std::string)> done)
        : shell_(shell), path_(std::move(path)), done_(std::move(done)) {
        timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { tick(); });
        timer_.Start(50);
    }

  private:
    void tick() {
        wxTopLevelWindow* preview = Registry::instance().window(shell_.previewWindow());
        // The reading is done when the program starts: code that made no window makes none later.
        if (shell_.previewWindow() == 0 || !preview) {
            finish(2, "the code makes no preview window (it has no window or gadget line)");
            return;
        }
        if (!preview->IsShownOnScreen()) {
            if (waited_.Time() > kGiveUpMs) finish(2, "no preview window was shown");
            return;
        }
        if (shell_.mainWindow()->IsShown()) {
            shell_.mainWindow()->Hide();
            preview->Raise();
            shown_.Start();
            return;
        }
        if (shown_.Time() < kSettleMs) return;
        const wxSize size = preview->GetClientSize();
        const wxPoint origin = preview->ClientToScreen(wxPoint(0, 0));
        wxBitmap picture(size);
        {
            wxScreenDC screen;
            wxMemoryDC memory(picture);
            memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
        }
#if wxUSE_LIBPNG
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
#endif
        // Encoded first, then written as the IDE file is: a failed write leaves no broken picture.
        wxMemoryOutputStream png;
        if (!picture.ConvertToImage().SaveFile(png, wxBITMAP_TYPE_PNG)) {
            finish(2, "cannot encode the picture");
            return;
        }
        std::string bytes(png.GetSize(), '\0');
        png.CopyTo(bytes.data(), bytes.size());
        const WriteResult written = writeFileSafely(path_, bytes);
        if (!written.ok()) {
            finish(2, "cannot write the picture '" + path_ + "': " + written.error);
            return;
        }
        finish(0, {});
    }

    void finish(int status, const std::string& message) {
        timer_.Stop();
        done_(status, message);
    }

    Shell& shell_;
    std::string path_;
    std::function<void(int, std::string)> done_;
    wxTimer timer_;
    wxStopWatch waited_;
    wxStopWatch shown_;
};

}  // namespace

bool canWriteSnapshots() {
    return wxUSE_LIBPNG != 0;
}

std::unique_ptr<Snapshot> takeSnapshot(Shell& shell, std::string path,
                                       std::function<void(int, std::string)> done) {
    return std::make_unique<TimedSnapshot>(shell, std::move(path), std::move(done));
}

}  // namespace tessaly
