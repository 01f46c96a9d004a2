#include "app/shell_wx.h"

#include <wx/accel.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/ide_link.h"
#include "app/main_layout.h"
#include "app/main_window_wx.h"
#include "app/message_box_wx.h"
#include "app/platform/desktop.h"
#include "app/press_watch_wx.h"
#include "app/preview_geometry_wx.h"
#include "app/tab_bar_seam_wx.h"
#include "edit/check_box_wx.h"
#include "form/form_names.h"
#include "tabbar/main_tab_bar.h"
#include "ui/registry_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

namespace {

using namespace main_window;

// Shortcut items 0..8 travel as menu events with these ids.
constexpr int kShortcutBaseId = wxID_HIGHEST + 1000;
constexpr int kShortcutItems = 13;  // 0 Escape, 1..8 nudges, 9 undo, 10 redo, 11/12 pages
constexpr int kUndoItem = 9;
constexpr int kRedoItem = 10;
constexpr int kNextPageItem = 11;      // main window only, as a notebook's Ctrl+Tab
constexpr int kPreviousPageItem = 12;  // main window only

template <typename T>
T* mainControl(int32_t number) {
    return static_cast<T*>(Registry::instance().control(number));
}

}  // namespace

Shell::Shell(KeywordTable keywords, ShellServices services)
    : keywords_(std::move(keywords)),
      services_(std::move(services)),
      viewCode_(kCodeViewLeft, kInnerWidth),
      hoverBeat_([this] { onHoverTimer(); }) {
    assert(services_.clipboard != nullptr);
    if (!services_.edit) services_.edit = &defaultEdit_;
    if (!services_.editor) services_.editor = &defaultEditor_;
    if (!services_.preview) services_.preview = makePreviewBuilder();
    if (!services_.getEnv) {
        services_.getEnv = [](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value ? value : "");
        };
    }
}

Shell::~Shell() {
    services_.clipboard->cancelRequest();
    hoverBeat_.stop();
    pressWatch_.reset();
}

// The toolkit is up and the keyword table loaded when this runs.
void Shell::start(const std::optional<std::string>& fileText) {
    fillTabBarDefaults();
    placeholderPicture_ = loadPlaceholderPicture();
    // The desktop size is asked for when a preview window needs it; nothing to prepare here.
    frame_ = buildMainWindow(anchors_, [this](const wxString& tab) { showPageOfTab(tab); });
    services_.edit->attach();
    installShortcuts(frame_);
    connect();
    // A form file given on the command line replaces the clipboard as the first code; with an
    // editor link the editor's selection wins. Nothing is ever written back to a form file.
    if (link_ == Link::File) {
        setCodeViewText(services_.ideFile->code());
    } else if (fileText && link_ == Link::Clipboard) {
        setCodeViewText(*fileText);
    } else {
        setCodeViewText(services_.clipboard->getText());
    }
    readCodeView();
    viewCode_.resized(frame_->GetClientSize().x);  // the full width
    bindCommands();
    // The hover poll: the toolkit's loop waits for events, the beat adds the 20 ms time-out. It
    // beats only while the preview window is active: hover tracking does nothing otherwise.
    frame_->Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& event) {
        onActivate(frame_, event.GetActive());
        event.Skip();
    });
    if (activePreview()) hoverBeat_.start(20);
    // A press into the preview selects, also the press that activates it.
    pressWatch_ = watchLeftPresses(
        [this](int x, int y, wxWindow* topLevel) {
            if (previewWindow_ != kWindow &&
                topLevel == Registry::instance().window(previewWindow_) &&
                !services_.edit->takesPreviewPresses()) {
                selectAt(x, y);
            }
        },
        // The beat asks the display server where the pointer is only after it has moved, and
        // rests while the pointer does.
        [this] {
            pointerMoved_ = true;
            if (quitting_) return;
            if (activePreview()) {
                hoverBeat_.start(20);
            } else if (hover_.index >= 0) {
                // No tracking while the preview is not active, but the status line stops naming
                // a gadget the pointer has left.
                const HoverState named = hover_;
                const wxPoint pointer = wxGetMousePosition();
                if (hoverAt(pointer.x, pointer.y) && hover_.index != named.index) {
                    hover_ = HoverState{named.lastX, named.lastY, -1, {}};
                    mainControl<wxStaticText>(kStatusLine)
                        ->SetLabel(toWx(statusLineText(named.lastX, named.lastY, {})));
                }
            }
        });
    if (wxWindow* preview = Registry::instance().window(previewWindow_)) {
        if (preview != frame_) pressWatch_->watchWindow(preview);
    }
}

void Shell::connect() {
    if (services_.ideFile) {
        link_ = Link::File;
        showIdeUpdateInsteadOfPaste();
        return;
    }
    editorHandle_ = editorHandleFrom(services_.getEnv(kEditorVariable));
    // Without a link that can reach the editor, the editor mode would empty the user's
    // clipboard and end with nothing pasted: stay with the clipboard then.
    if (!services_.editor->canReachEditors()) editorHandle_ = 0;
    if (editorHandle_ == 0) return;
    link_ = Link::Editor;
    showIdeUpdateInsteadOfPaste();
    askEditorForSelection(*services_.clipboard, *services_.editor, editorHandle_);
}

void Shell::showIdeUpdateInsteadOfPaste() {
    Registry::instance().control(kPasteButton)->Hide();
    Registry::instance().control(kIdeUpdateButton)->Show();
}

void Shell::bindCommands() {
    Registry& registry = Registry::instance();
    registry.control(kPasteButton)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { paste(); });
    registry.control(kCopyButton)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { copy(); });
    registry.control(kIdeUpdateButton)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        ideUpdate();
    });
    // The second press of a quick double click arrives as a double click only: it is a press.
    for (const auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK}) {
        registry.control(kViewCodeSwitch)->Bind(type, [this](wxMouseEvent&) { toggleCodeView(); });
    }
    mainControl<wxChoice>(kPicker)->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        auto* picker = mainControl<wxChoice>(kPicker);
        const int entry = picker->GetSelection();
        if (entry == wxNOT_FOUND) return;
        showEntry(entry);
        auto* name = mainControl<wxTextCtrl>(kNameField);
        name->SetFocus();
        // A focused field selects its text and takes the selection from the code view: the
        // element's line is marked again, as after a click into the preview.
        name->SetInsertionPointEnd();
        if (const sElement* element = list_.current()) highlightCodeLine(element->Line);
    });
    frame_->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) { onClose(event); });
    frame_->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        // The minimum was turned into an outer size with the frame's decorations guessed before
        // the window manager framed it; now they are known.
        frame_->SetMinClientSize(wxSize(kMinWidth, kMinHeight));
        onResize();
        event.Skip();
    });
}

void Shell::adoptWindow(wxTopLevelWindow* window) {
    if (pressWatch_) pressWatch_->watchWindow(window);
    window->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) { onClose(event); });
    window->Bind(wxEVT_ACTIVATE, [this, window](wxActivateEvent& event) {
        onActivate(window, event.GetActive());
        event.Skip();
    });
    // Not passed on: the toolkit's own handler would stretch a lone gadget over the whole
    // window, and every gadget keeps the place and size its line gives it.
    window->Bind(wxEVT_SIZE, [this](wxSizeEvent&) { onResize(); });
    services_.edit->watchPreview(window);
}

void Shell::installShortcuts(wxTopLevelWindow* window) {
    static const struct {
        int flags;
        int key;
        int item;
    } keys[] = {
        {wxACCEL_NORMAL, WXK_ESCAPE, 0},
        {wxACCEL_CTRL, WXK_UP, 1},
        {wxACCEL_CTRL, WXK_DOWN, 2},
        {wxACCEL_CTRL, WXK_RIGHT, 3},
        {wxACCEL_CTRL, WXK_LEFT, 4},
        {wxACCEL_ALT, WXK_UP, 5},
        {wxACCEL_ALT, WXK_DOWN, 6},
        {wxACCEL_ALT, WXK_RIGHT, 7},
        {wxACCEL_ALT, WXK_LEFT, 8},
        {wxACCEL_CTRL, 'Z', kUndoItem},
        {wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', kRedoItem},
        {wxACCEL_CTRL, 'Y', kRedoItem},
        {wxACCEL_CTRL, WXK_TAB, kNextPageItem},
        {wxACCEL_CTRL, WXK_PAGEDOWN, kNextPageItem},
        {wxACCEL_CTRL | wxACCEL_SHIFT, WXK_TAB, kPreviousPageItem},
        {wxACCEL_CTRL, WXK_PAGEUP, kPreviousPageItem},
    };
    constexpr int kKeys = int(sizeof keys / sizeof keys[0]);
    wxAcceleratorEntry entries[kKeys];
    int count = 0;
    for (const auto& key : keys) {
        // A preview's own panel gadget keeps Ctrl+Tab: the pages are the main window's.
        if (key.item >= kNextPageItem && window != frame_) continue;
        entries[count++].Set(key.flags, key.key, kShortcutBaseId + key.item);
    }
    // A preview window is reused by every reading: its handler is bound the first time only.
    const bool firstTime = !window->GetAcceleratorTable()->IsOk();
    // Accelerators of the top-level window are looked up before a focused text field sees the
    // key, so the shortcuts also work while typing.
    window->SetAcceleratorTable(wxAcceleratorTable(count, entries));
    if (!firstTime) return;
    window->Bind(
        wxEVT_MENU,
        [this, window](wxCommandEvent& event) {
            onShortcut(Registry::instance().windowNumber(window), event.GetId() - kShortcutBaseId);
        },
        kShortcutBaseId, kShortcutBaseId + kShortcutItems - 1);
}

void Shell::onShortcut(int32_t window, int32_t item) {
    if (item == 0 && window == kWindow) {
        // A field changed but not committed is put back first; the next Escape quits.
        if (!services_.edit->revertField()) requestQuit();
        return;
    }
    // A shortcut that changed nothing writes nothing: rewriting the line unasked would reformat
    // the user's code.
    if (item >= 1 && item <= 8 && services_.edit->nudge(item)) {
        services_.edit->writeCode();
        services_.edit->applyEdits();
    }
    if (item == kUndoItem) services_.edit->undo();
    if (item == kRedoItem) services_.edit->redo();
    if (item == kNextPageItem || item == kPreviousPageItem) {
        const wxString tab = stepTab(item == kNextPageItem ? 1 : -1);
        if (!tab.empty()) {
            showPageOfTab(tab);
            focusPage(pageForTab(fromWx(tab)));
        }
    }
}

void Shell::quit() {
    if (quitting_) return;
    quitting_ = true;
    hoverBeat_.stop();
    services_.clipboard->keepAfterExit();
    if (services_.endProgram) services_.endProgram();
}

void Shell::keepPreviewInSight() {
    wxTopLevelWindow* preview = Registry::instance().window(previewWindow_);
    if (frame_ && preview && preview != frame_) placer_.afterReading(frame_, preview);
}

std::optional<int64_t> Shell::nameValue(int32_t line, std::string_view name) const {
    return scope_.value(line, name);
}

void Shell::choosePickerEntry(int32_t entry) {
    auto* picker = mainControl<wxChoice>(kPicker);
    if (entry < 0 || entry >= int32_t(picker->GetCount())) return;
    picker->SetSelection(entry);
    showEntry(entry);
}

void Shell::toggleCodeView() {
    const ViewCodeSwitch::Request request = viewCode_.toggle();
    Registry::instance().control(kCreditLabel)->Show(request.showCredit);
    frame_->SetClientSize(request.innerWidth, frame_->GetClientSize().y);
    // The toolkit reports the new size later; re-lay now, as a synchronous resize would.
    onResize();
}

void Shell::onResize() {
    if (!frame_) return;
    relayWindow(anchors_, kWindow);
    const bool ticked = viewCode_.resized(frame_->GetClientSize().x);
    setSwitchState(kViewCodeSwitch, ticked);
    Registry::instance().control(kCreditLabel)->Show(ticked);
}

void Shell::showPageOfTab(const wxString& tabText) {
    const Page page = pageForTab(fromWx(tabText));
    if (page == Page::None) return;
    Registry& registry = Registry::instance();
    registry.control(kParametersPage)->Show(page == Page::Parameters);
    registry.control(kFlagsPage)->Show(page == Page::Flags);
}

wxTopLevelWindow* Shell::activePreview() const {
    wxTopLevelWindow* window = Registry::instance().window(previewWindow_);
    return window && window->IsActive() ? window : nullptr;
}

void Shell::onActivate(wxWindow* window, bool active) {
    pointerMoved_ = true;  // a window that became active may lie under a still pointer
    if (window != Registry::instance().window(previewWindow_) || quitting_) return;
    if (active) {
        hoverBeat_.start(20);
    } else {
        hoverBeat_.stop();
        // The last word of the poll: a pointer that has left no longer names a gadget.
        if (hover_.index >= 0) {
            const wxPoint pointer = wxGetMousePosition();
            hoverAt(pointer.x, pointer.y);
        }
    }
}

void Shell::onHoverTimer() {
    if (!activePreview() || !pointerMoved_) {
        hoverBeat_.stop();  // until the pointer moves again
        return;
    }
    pointerMoved_ = false;
    const wxPoint pointer = wxGetMousePosition();
    hoverAt(pointer.x, pointer.y);
}

bool Shell::selectAt(int32_t screenX, int32_t screenY) {
    if (previewWindow_ == kWindow || !Registry::instance().window(previewWindow_)) return false;
    hoverAt(screenX, screenY);
    auto* picker = mainControl<wxChoice>(kPicker);
    if (hover_.index < 0 || hover_.index >= int32_t(picker->GetCount())) return false;
    picker->SetSelection(hover_.index);
    showEntry(hover_.index);
    return true;
}

bool Shell::hoverAt(int32_t screenX, int32_t screenY) {
    Registry& registry = Registry::instance();
    wxTopLevelWindow* window = registry.window(previewWindow_);
    if (!window) return false;
    const wxPoint p = window->ScreenToClient(wxPoint(screenX, screenY));
    const wxSize client = window->GetClientSize();
    int32_t x = p.x;
    int32_t y = p.y;
    clipToClient(x, y, client.x, client.y);
    // Gadgets are hit-tested where they are seen in the window: a gadget in a container is
    // offset by it and cut to it, one on a hidden panel tab is not there at all.
    VisibleRects visible(window);
    const auto rectOf = [&registry, &visible](int32_t gadget) -> std::optional<Rect> {
        return visible.of(registry.control(gadget));
    };
    if (!updateHover(hover_, x, y, list_, rectOf)) return false;
    const std::string text = statusLineText(hover_.lastX, hover_.lastY, hover_.name);
    mainControl<wxStaticText>(kStatusLine)->SetLabel(toWx(text));
    return true;
}

void Shell::setPickerEntryText(int32_t entry, const std::string& text) {
    auto* picker = mainControl<wxChoice>(kPicker);
    if (entry >= 0 && entry < int32_t(picker->GetCount()))
        picker->SetString(unsigned(entry), toWx(text));
}

void Shell::setStatus(const std::string& text) {
    mainControl<wxStaticText>(kStatusLine)->SetLabel(toWx(text));
}

// Steps of a reading.

void Shell::destroyGadget(int32_t gadget) {
    // Preview controls have allocated numbers; a stale 0..33 must never reach the main window.
    if (gadget >= Registry::kFirstAllocated) Registry::instance().destroyControl(gadget);
}

void Shell::clearPicker() {
    auto* picker = mainControl<wxChoice>(kPicker);
    picker->Clear();
    picker->Enable();
}

void Shell::resetPages() {
    services_.edit->resetPages();
}

void Shell::setFlagsTabDisabled(bool disabled) {
    tessaly::setFlagsTabDisabled(disabled);
}

void Shell::disablePicker() {
    mainControl<wxChoice>(kPicker)->Disable();
}

void Shell::openDefaultWindow() {
    services_.preview->openDefaultWindow(*this);
}

void Shell::buildPreview(ElementList& list) {
    auto* picker = mainControl<wxChoice>(kPicker);
    pickerBatch_.start(int32_t(picker->GetCount()));
    services_.preview->buildPreview(list, *this);
    pickerBatch_.finish(picker);
}

void Shell::showFirstEntry() {
    auto* picker = mainControl<wxChoice>(kPicker);
    if (picker->GetCount() == 0) return;
    picker->SetSelection(0);
    showEntry(0);
}

void Shell::showEntry(int entry) {
    auto* picker = mainControl<wxChoice>(kPicker);
    const auto listIndex = int32_t(reinterpret_cast<intptr_t>(picker->GetClientData(entry)));
    // The element becomes current here, so that it is current whatever the pages do with it.
    list_.select(listIndex);
    services_.edit->showElement(listIndex);
}

void Shell::activateMainWindow() {
    frame_->Raise();
}

void Shell::showNote(const std::string& text) {
    mainControl<wxStaticText>(kStatusLine)->SetLabel(toWx(" " + text));
}

int32_t Shell::appendPickerEntry(const std::string& text, int32_t listIndex) {
    // During a build the entries go in together when it is done.
    if (pickerBatch_.active()) return pickerBatch_.add(text, listIndex);
    auto* picker = mainControl<wxChoice>(kPicker);
    return picker->Append(toWx(text), reinterpret_cast<void*>(intptr_t(listIndex)));
}

}  // namespace tessaly
