#include "form/live_preview_wx.h"

#include "form/form_names.h"

#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/display.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "form/column_list_wx.h"
#include "form/preview_controls_wx.h"
#include "ui/utf8_wx.h"

namespace tessaly {

namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;

// A form window places its gadgets where the code says, whatever its size: no one-child fill,
// no sizer.
class FormFrame : public wxFrame {
  public:
    using wxFrame::wxFrame;
    bool Layout() override { return false; }
};

wxSize primaryDesktopSize() {
    if (wxDisplay::GetCount() == 0) return {kDefaultWidth, kDefaultHeight};
    return wxDisplay(0u).GetGeometry().GetSize();
}

// A tree's items in the order they were added. The store's own order asks each item's place among
// its siblings one by one, which costs the square of their number when the control reads them.
class InsertionOrderStore : public wxDataViewTreeStore {
  public:
    bool HasDefaultCompare() const override { return false; }
};

bool isAncestorOrSelf(const wxWindow* candidate, const wxWindow* w) {
    for (; w; w = w->GetParent()) {
        if (w == candidate) return true;
    }
    return false;
}

}  // namespace

LivePreview::LivePreview(LivePreviewHost& host, Registry& registry, CodeEditorModule& editorModule)
    : host_(host), registry_(registry), editorModule_(editorModule) {}

void LivePreview::setPlaceholderPicture(int32_t imageNumber) {
    const wxBitmap* picture = registry_.image(imageNumber);
    pictureNumber_ = picture && picture->IsOk() ? imageNumber : 0;
    picture_ = pictureNumber_ != 0 ? picture->ConvertToImage() : wxImage();
}

int32_t LivePreview::previewWindow() const {
    return previewFrame() ? window_ : 0;
}

wxFrame* LivePreview::previewFrame() const {
    return window_ != 0 ? dynamic_cast<wxFrame*>(registry_.window(window_)) : nullptr;
}

wxFrame* LivePreview::makeFrame(const wxString& title, int32_t x, int32_t y, int32_t width,
                                int32_t height, long style) {
    auto* frame = new FormFrame(nullptr, wxID_ANY, title, wxPoint(x, y), wxDefaultSize, style);
    frame->SetClientSize(width, height);
    window_ = registry_.addWindow(frame);
    host_.adoptWindow(frame);
    return frame;
}

void LivePreview::startBuildingIn(int32_t window) {
    parents_.startWindow(window);
    showWhenBuilt_ = true;
}

void LivePreview::openDefaultWindow() {
    if (wxFrame* frame = previewFrame()) {
        frame->SetClientSize(kDefaultWidth, kDefaultHeight);
    } else {
        // The default window has the program's own window style.
        makeFrame("Tessaly", 0, 0, kDefaultWidth, kDefaultHeight, wxDEFAULT_FRAME_STYLE)->Centre();
    }
    startBuildingIn(window_);
}

void LivePreview::destroyGadget(int32_t gadget) {
    if (previewControl(gadget)) registry_.destroyControl(gadget);
}

void LivePreview::build(ElementList& list) {
    // A new reading starts in the preview window itself: the containers of the previous reading
    // are gone, and so are its status bar and placeholder images.
    if (wxFrame* frame = previewFrame()) {
        parents_.startWindow(window_);
        if (wxStatusBar* bar = frame->GetStatusBar()) {
            const wxSize inner = frame->GetClientSize();
            frame->SetStatusBar(nullptr);
            bar->Destroy();
            frame->SetClientSize(inner);
        }
    }
    for (int32_t image : images_) registry_.freeImage(image);
    images_.clear();

    nestingCapped_ = false;
    gadgetsBuilt_ = 0;
    itemsAdded_ = 0;
    tabsAdded_ = 0;
    itemsCapped_ = false;
    tabsCapped_ = false;
    gatheredItems_.clear();
    KeepCurrent keep(list);
    targets_ = TargetIndex(list);
    for (int i = 0; i < list.count(); ++i) buildElement(list, i);
    addGatheredItems();
    std::string note;
    if (nestingCapped_) {
        note = "Gadget lists nested deeper than " + std::to_string(ParentStacks::kMaxDepth) +
               " levels are shown inside the " + std::to_string(ParentStacks::kMaxDepth) + "th";
    }
    if (gadgetsBuilt_ >= kMaxGadgets) {
        note += std::string(note.empty() ? "O" : "; o") + "nly the first " +
                std::to_string(kMaxGadgets) + " gadgets are shown";
    }
    if (itemsCapped_) {
        note += std::string(note.empty() ? "O" : "; o") + "nly the first " +
                std::to_string(kMaxItems) + " items are shown";
    }
    if (tabsCapped_) {
        note += std::string(note.empty() ? "O" : "; o") + "nly the first " +
                std::to_string(kMaxTabs) + " panel tabs are shown";
    }
    if (!note.empty()) host_.showNote(note);
    targets_ = TargetIndex();
    // A window shown before its gadgets are made has each one realized and mapped on its own;
    // shown afterwards, the toolkit does it for all of them in one pass.
    if (wxFrame* frame = previewFrame(); frame && showWhenBuilt_) {
        frame->Show();
        frame->Raise();
    }
    showWhenBuilt_ = false;
}

void LivePreview::buildElement(ElementList& list, int index) {
    sElement& element = list[index];
    const int32_t line = element.Line;
    slots_.fill(element,
                [this, line](std::string_view name) { return host_.nameValue(line, name); });
    const PreviewKind kind = previewKindOf(element.KeyWord);
    switch (kind) {
        case PreviewKind::None:
            break;
        case PreviewKind::Window:
            windowRule(element);
            break;
        case PreviewKind::StatusBar:
            statusBarRule(element);
            break;
        case PreviewKind::AddItem:
            itemRule(list);
            break;
        case PreviewKind::AddColumn:
            columnRule(list);
            break;
        case PreviewKind::CloseGadgetList:
            parents_.close();
            break;
        default:
            createGadget(list, element, kind);
            break;
    }
    if (element.Sort == kSortWindow || element.Sort == kSortGadget) {
        element.Index = host_.appendPickerEntry(pickerEntryText(element), index);
    }
}

int32_t LivePreview::windowValue(const sElement&, int slot) const {
    // A form designer writes OpenWindow(#W, x, y, width, height, ...) inside a procedure whose
    // parameters default to the real values: the slots hold them evaluated.
    return slot >= 3 ? slots_.size(slot) : slots_.number(slot);
}

void LivePreview::windowRule(sElement& element) {
    const bool ignored = isIgnoredSize(slots_);
    const wxSize desktop = primaryDesktopSize();
    // A window 0 pixels wide shows nothing at all: a size that is still 0 takes the default.
    const int width = windowValue(element, 3) > 0 ? windowValue(element, 3) : kDefaultWidth;
    const int height = windowValue(element, 4) > 0 ? windowValue(element, 4) : kDefaultHeight;
    const wxString title = toWx(slots_.text(5));
    wxFrame* frame = previewFrame();
    if (frame) {
        // A reused window keeps its flags; its title, place and inner size follow the line.
        frame->SetTitle(title);
        if (ignored) {
            frame->Move(0, 0);
            frame->SetClientSize(desktop);
        } else {
            frame->SetClientSize(width, height);
        }
    } else if (ignored) {
        frame = makeFrame(title, 0, 0, desktop.x, desktop.y, windowStyle(callSource(element)));
    } else {
        frame = makeFrame(title, windowValue(element, 1), windowValue(element, 2), width, height,
                          windowStyle(callSource(element)));
    }
    if (!ignored && lineNamesFlag(callSource(element), "#pb_window_screencentered"))
        frame->Centre();
    element.Gadget = window_;
    host_.installShortcuts(previewFrame());
    startBuildingIn(window_);
}

void LivePreview::statusBarRule(sElement& element) {
    wxFrame* frame = previewFrame();
    if (!frame) return;
    wxStatusBar* bar = frame->GetStatusBar();
    if (!bar) {
        // The status bar goes below the form: the form keeps its inner size.
        const wxSize inner = frame->GetClientSize();
        bar = frame->CreateStatusBar(1);
        frame->SetClientSize(inner);
    }
    const int number = registry_.controlNumber(bar);
    element.Gadget = number >= 0 ? number : registry_.addControl(bar);
}

wxWindow* LivePreview::currentParent() const {
    const std::optional<ParentRef> ref = parents_.current();
    if (!ref) return nullptr;
    return ref->isWindow ? registry_.window(ref->number) : previewControl(ref->number);
}

wxWindow* LivePreview::previewControl(int32_t number) const {
    // 0 is what a failed lookup gives, and numbers below the allocated range belong to the main
    // window: neither may ever be touched by the preview.
    return number >= Registry::kFirstAllocated ? registry_.control(number) : nullptr;
}

void LivePreview::itemRule(const ElementList& list) {
    const int32_t number = targets_.itemTarget(list, slots_.text(0));
    wxWindow* target = previewControl(number);
    if (!target) return;  // not found, or not built yet: nothing to add to
    const int pos = slots_.number(1);
    const wxString text = toWx(slots_.text(2));
    if (auto* tabs = dynamic_cast<wxNotebook*>(target)) {
        if (tabsAdded_ >= kMaxTabs) {
            // The gadgets of a tab not shown have no place to go.
            tabsCapped_ = true;
            parents_.replace(ParentRef{false, 0});
            return;
        }
        ++tabsAdded_;
        // A panel item is a new tab, and the gadgets that follow go onto it.
        auto* page = new wxPanel(tabs, wxID_ANY);
        const int count = int(tabs->GetPageCount());
        // The first tab is the one shown, as in the running program.
        tabs->InsertPage(pos < 0 || pos > count ? count : pos, page, text, count == 0);
        parents_.replace(ParentRef{false, registry_.addControl(page)});
        return;
    }
    if (itemsAdded_ >= kMaxItems) {
        itemsCapped_ = true;
        return;
    }
    ++itemsAdded_;
    if (auto* columns = dynamic_cast<ColumnList*>(target)) {
        columns->addRow(pos, text);
        return;
    }
    // Gathered in their order: position -1, or one past the items so far, appends.
    std::vector<wxString>& items = gatheredItems_[number];
    const size_t at = pos < 0 || size_t(pos) > items.size() ? items.size() : size_t(pos);
    items.insert(items.begin() + std::ptrdiff_t(at), text);
}

void LivePreview::addGatheredItems() {
    for (const auto& [number, items] : gatheredItems_) {
        wxWindow* target = previewControl(number);
        if (auto* tree = dynamic_cast<wxDataViewTreeCtrl*>(target)) {
            // A new model, filled before the control reads it once; the tree's own one is empty.
            auto* store = new InsertionOrderStore;
            for (const wxString& text : items) store->AppendItem(wxDataViewItem(), text);
            tree->AssociateModel(store);
            store->DecRef();
        } else if (auto* editor = dynamic_cast<wxTextCtrl*>(target)) {
            wxString lines;
            for (const wxString& text : items) {
                if (!lines.empty() || &text != &items.front()) lines += '\n';
                lines += text;
            }
            editor->ChangeValue(lines);
        } else if (auto* entries = dynamic_cast<wxItemContainer*>(target)) {
            wxArrayString all;
            all.reserve(items.size());
            for (const wxString& text : items) all.push_back(text);
            entries->Append(all);
        }
    }
    gatheredItems_.clear();
}

void LivePreview::columnRule(const ElementList& list) {
    auto* columns =
        dynamic_cast<ColumnList*>(previewControl(targets_.columnTarget(list, slots_.text(0))));
    // An explorer list is shown as a folder tree, which has no columns to add to.
    if (!columns) return;
    columns->addColumn(slots_.number(1), toWx(slots_.text(2)), slots_.size(3));
}

void LivePreview::splitterRule(sElement& element, const ElementList& list, wxWindow* parent) {
    const SplitterChildren names = targets_.splitterChildren(list, slots_.text(5), slots_.text(6));
    wxWindow* first = previewControl(names.first);
    wxWindow* second = previewControl(names.second);
    // Skipped unless both children exist, differ, are not already split, and do not enclose the
    // place where the splitter would go (moving a window into its own child breaks the tree).
    if (!first || !second || first == second) return;
    for (wxWindow* child : {first, second}) {
        if (dynamic_cast<wxSplitterWindow*>(child->GetParent())) return;
        if (isAncestorOrSelf(child, parent)) return;
    }
    const int32_t flags = splitterFlags(callSource(element));
    const long style = (flags & kSplitterSeparator) ? wxSP_3DSASH | wxSP_LIVE_UPDATE
                                                    : wxSP_THIN_SASH | wxSP_LIVE_UPDATE;
    auto* splitter =
        new wxSplitterWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, style);
    splitter->SetSize(slots_.number(1), slots_.number(2), slots_.size(3), slots_.size(4),
                      wxSIZE_ALLOW_MINUS_ONE);
    splitter->SetMinimumPaneSize(0);
    splitter->SetSashGravity(0.5);
    first->Reparent(splitter);
    second->Reparent(splitter);
    // Vertical: the children side by side with an upright bar between them.
    if (flags & kSplitterVertical) {
        splitter->SplitVertically(first, second, slots_.size(3) / 2);
    } else {
        splitter->SplitHorizontally(first, second, slots_.size(4) / 2);
    }
    element.Gadget = registry_.addControl(splitter);
}

wxBitmap LivePreview::imageFor(PreviewKind kind, const wxSize& size, sElement& element) {
    if (kind == PreviewKind::Image || kind == PreviewKind::ButtonImage) {
        const wxBitmap image = placeholderImage(size.x, size.y);
        if (image.IsOk()) {
            element.Image = registry_.addImage(image);
            images_.push_back(element.Image);
        }
        return image;
    }
    if (kind != PreviewKind::OpenGL || !picture_.IsOk()) return wxNullBitmap;
    // All OpenGL gadgets share the one picture; each shows it at its own size, and the shared
    // image holds the size of the last one.
    element.Image = pictureNumber_;
    const wxBitmap image = scaledPicture(picture_, size.x, size.y);
    if (!image.IsOk()) return wxNullBitmap;
    registry_.setImage(pictureNumber_, image);
    return image;
}

void LivePreview::createGadget(const ElementList& list, sElement& element, PreviewKind kind) {
    wxWindow* parent = currentParent();
    // No window yet, or a panel before its first tab: there is no gadget list to add to.
    if (!parent || dynamic_cast<wxNotebook*>(parent)) return;
    if (gadgetsBuilt_ >= kMaxGadgets) return;
    const wxPoint pos(slots_.number(1), slots_.number(2));
    const wxSize size(slots_.size(3), slots_.size(4));

    if (kind == PreviewKind::Splitter) {
        splitterRule(element, list, parent);
        return;
    }
    wxWindow* control = nullptr;
    if (kind == PreviewKind::Scintilla) {
        if (!editorModule_.load()) host_.showMessage("Information", "Scintilla is not init");
        control = editorModule_.create(parent, pos, size);
    } else {
        control = makeGadgetControl(kind, parent, slots_, callSource(element),
                                    imageFor(kind, size, element));
    }
    if (!control) return;
    control->SetSize(pos.x, pos.y, size.x, size.y, wxSIZE_ALLOW_MINUS_ONE);
    element.Gadget = registry_.addControl(control);
    ++gadgetsBuilt_;
    if (kind == PreviewKind::Button) element.Created = 1;
    if (opensGadgetList(kind) && !parents_.open(ParentRef{false, element.Gadget})) {
        nestingCapped_ = true;
    }
}

}  // namespace tessaly
