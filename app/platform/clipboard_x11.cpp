#include "app/clipboard_wx.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/timer.h>

#include <gtk/gtk.h>

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "ui/utf8_wx.h"

extern char** environ;

namespace tessaly {

namespace {

// A short-lived connection of our own: asking who owns the clipboard needs no event handling.
class XConnection {
  public:
    XConnection() : display_(std::getenv("DISPLAY") ? XOpenDisplay(nullptr) : nullptr) {}
    ~XConnection() {
        if (display_) XCloseDisplay(display_);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool ok() const { return display_ != nullptr; }
    unsigned long clipboardOwner() const {
        return XGetSelectionOwner(display_, XInternAtom(display_, "CLIPBOARD", False));
    }

  private:
    Display* display_;
};

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// Clipboard text as bytes. Form code that is not UTF-8 (or holds NUL bytes) goes onto the
// clipboard and comes back from it byte for byte; the toolkit's own text object would change it
// on the way.
class ByteTextData : public wxTextDataObject {
  public:
    explicit ByteTextData(std::string bytes = {})
        : wxTextDataObject(toWx(bytes)), bytes_(std::move(bytes)) {}
    const std::string& bytes() const { return bytes_; }

    size_t GetDataSize(const wxDataFormat& format) const override {
        return format == wxDF_UNICODETEXT ? bytes_.size() : wxTextDataObject::GetDataSize(format);
    }
    bool GetDataHere(const wxDataFormat& format, void* buf) const override {
        if (format != wxDF_UNICODETEXT) return wxTextDataObject::GetDataHere(format, buf);
        if (!buf) return false;
        std::copy(bytes_.begin(), bytes_.end(), static_cast<char*>(buf));
        return true;
    }
    bool SetData(const wxDataFormat& format, size_t len, const void* buf) override {
        if (format != wxDF_UNICODETEXT) {
            const bool ok = wxTextDataObject::SetData(format, len, buf);
            bytes_ = fromWx(GetText());
            return ok;
        }
        if (len > 0 && !buf) return false;
        bytes_.assign(static_cast<const char*>(buf), len);
        SetText(toWx(bytes_));
        return true;
    }
    // The base class's other overloads stay visible.
    using wxTextDataObject::GetDataHere;
    using wxTextDataObject::GetDataSize;
    using wxTextDataObject::SetData;

  private:
    std::string bytes_;
};

}  // namespace

unsigned long clipboardOwnerWindow() {
    XConnection x;
    return x.ok() ? x.clipboardOwner() : 0;
}

std::string WxClipboard::getText() {
    wxClipboardLocker lock;
    if (!lock || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return {};
    ByteTextData data;
    if (!wxTheClipboard->GetData(data)) return {};
    return data.bytes();
}

void WxClipboard::putText(const std::string& text) {
    wxClipboardLocker lock;
    if (!lock) return;
    wxTheClipboard->SetData(new ByteTextData(text));
    lastPut_ = text;
    put_ = true;
    owner_ = clipboardOwnerWindow();
}

// One request on its way through the toolkit, which calls back exactly once for each of its two
// steps, whatever happens; `owner` is null once the request was answered or dropped.
struct WxClipboard::PendingRead {
    WxClipboard* owner;
    std::function<void(ClipboardText)> done;
    wxTimer giveUp;

    static void targetsCame(GtkClipboard* clipboard, GdkAtom* atoms, gint count, gpointer data) {
        auto* read = static_cast<PendingRead*>(data);
        const GdkAtom text = gdk_atom_intern_static_string("UTF8_STRING");
        bool hasText = false;
        for (gint i = 0; atoms && i < count; ++i) hasText = hasText || atoms[i] == text;
        if (read->owner && hasText) {
            gtk_clipboard_request_contents(clipboard, text, &PendingRead::textCame, read);
            return;
        }
        if (read->owner) {
            ClipboardText none;
            if (clipboardOwnerWindow() == 0) {
                none.problem = "the clipboard is empty";
            } else if (count > 0) {
                none.problem = "the clipboard holds no text (an image or other data)";
            } else {
                none.problem = "the program that owns the clipboard did not say what it holds";
            }
            read->owner->finish(read, std::move(none));
        }
        delete read;
    }

    static void textCame(GtkClipboard*, GtkSelectionData* selection, gpointer data) {
        auto* read = static_cast<PendingRead*>(data);
        if (read->owner) {
            ClipboardText got;
            const gint length = gtk_selection_data_get_length(selection);
            if (length < 0) {
                got.problem = "the program that owns the clipboard did not hand over its text";
            } else if (size_t(length) > kMaxClipboardText) {
                got.problem = "the clipboard's text is larger than " +
                              std::to_string(kMaxClipboardText / (1024 * 1024)) +
                              " MiB, which is no form code to edit here";
            } else {
                got.ok = true;
                got.text.assign(
                    reinterpret_cast<const char*>(gtk_selection_data_get_data(selection)),
                    size_t(length));
            }
            read->owner->finish(read, std::move(got));
        }
        delete read;
    }
};

WxClipboard::~WxClipboard() {
    cancelRequest();
}

void WxClipboard::requestText(std::function<void(ClipboardText)> done) {
    cancelRequest();
    auto* read = new PendingRead{this, std::move(done), {}};
    pending_ = read;
    read->giveUp.Bind(wxEVT_TIMER, [this, read](wxTimerEvent&) {
        ClipboardText late;
        late.problem = "the program that owns the clipboard did not answer within " +
                       std::to_string(kClipboardWaitMs / 1000) + " seconds";
        finish(read, std::move(late));
    });
    read->giveUp.StartOnce(kClipboardWaitMs);
    gtk_clipboard_request_targets(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD),
                                  &PendingRead::targetsCame, read);
}

void WxClipboard::cancelRequest() {
    if (!pending_) return;
    pending_->owner = nullptr;
    pending_->giveUp.Stop();
    pending_ = nullptr;
}

void WxClipboard::finish(PendingRead* read, ClipboardText result) {
    if (read->owner != this) return;
    cancelRequest();
    // Moved out first: the answer may start the next request.
    const std::function<void(ClipboardText)> done = std::move(read->done);
    done(std::move(result));
}

void WxClipboard::keepAfterExit() {
    if (!put_) return;
    wxTheClipboard->Flush();
    // Someone else (a clipboard manager, another program) has taken the clipboard since: the
    // text is theirs to serve, or was replaced on purpose.
    if (owner_ == 0 || clipboardOwnerWindow() != owner_) return;
    pendingHandOver_ = lastPut_;
}

void WxClipboard::handOverAfterShutdown() {
    if (!pendingHandOver_) return;
    handClipboardToXclip(*pendingHandOver_, 2000);
    pendingHandOver_.reset();
}

bool handClipboardToXclip(const std::string& text, int timeoutMs) {
    XConnection x;
    if (!x.ok()) return false;
    const unsigned long before = x.clipboardOwner();

    int in[2];
    if (pipe2(in, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    // Its output must not keep a pipe of whoever started us open after we are gone.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    char arg0[] = "xclip";
    char arg1[] = "-selection";
    char arg2[] = "clipboard";
    char arg3[] = "-i";
    char* argv[] = {arg0, arg1, arg2, arg3, nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "xclip", &actions, &attr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    close(in[0]);
    if (spawned != 0) {
        close(in[1]);
        return false;
    }
    // A reader that died must not kill us with SIGPIPE.
    struct sigaction ignore = {}, old = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &old);
    const bool written = writeAll(in[1], text);
    close(in[1]);
    sigaction(SIGPIPE, &old, nullptr);
    // xclip forks into the background once it has read everything; its first process ends.
    int status = 0;
    waitpid(pid, &status, 0);
    if (!written) return false;

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        const unsigned long owner = x.clipboardOwner();
        if (owner != 0 && owner != before) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

}  // namespace tessaly
