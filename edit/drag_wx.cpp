#include "edit/drag_wx.h"

#include <wx/cursor.h>
#include <wx/scrolwin.h>

#include <algorithm>

#include "edit/check_box_wx.h"
#include "edit/pages.h"
#include "ui/main_controls.h"
#include "ui/registry_wx.h"

namespace tessaly {

namespace {

using namespace main_window;

const wxColour kHandleColour(150, 0, 95);  // a darker shade of the selection frame
const wxColour kGuideColour(0, 150, 255);
const wxColour kBandColour(0, 90, 200);

Box boxOf(const wxRect& r) {
    return Box{r.x, r.y, r.width, r.height};
}

// A plain coloured window that marks something in the preview: never pressed (the pointer
// capture hit-tests handles itself), laid above the gadgets beside it.
wxWindow* makeMark(wxWindow* parent, const wxColour& colour) {
    auto* mark = new wxWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(1, 1), wxBORDER_NONE);
    mark->SetBackgroundColour(colour);
    mark->Disable();
    return mark;
}

void place(wxWindow* mark, const Box& b) {
    mark->SetSize(b.x, b.y, std::max(1, b.width), std::max(1, b.height), wxSIZE_ALLOW_MINUS_ONE);
    mark->Show();
    mark->Raise();
}

template <size_t N>
void destroyAll(std::array<wxWeakRef<wxWindow>, N>& marks) {
    for (auto& m : marks) {
        if (m) m->Destroy();
        m = nullptr;
    }
}

}  // namespace

PreviewDrag::PreviewDrag(DragHost& host) : host_(host), capture_(makePointerCapture(*this)) {}

PreviewDrag::~PreviewDrag() {
    capture_.reset();
}

void PreviewDrag::attach() {
    for (const int32_t number : {kGridSwitch, kGridLabel}) {
        wxWindow* w = Registry::instance().control(number);
        if (!w) continue;
        for (const auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK}) {
            w->Bind(type, [this](wxMouseEvent&) { setSwitchState(kGridSwitch, !gridOn()); });
        }
    }
}

void PreviewDrag::watch(wxTopLevelWindow* preview) {
    capture_->watch(preview);
}

bool PreviewDrag::gridOn() const {
    return Registry::instance().data(kGridSwitch) == 1;
}

wxWindow* PreviewDrag::controlOf(int32_t element) const {
    ElementList& list = host_.elements();
    if (element < 0 || element >= list.count()) return nullptr;
    const sElement& e = list[element];
    if (e.Sort != kSortGadget || e.Gadget < Registry::kFirstAllocated) return nullptr;
    return Registry::instance().control(e.Gadget);
}

void PreviewDrag::shown(int32_t element) {
    if (!choosing_) selection_.selectOnly(element);
    refreshMarks();
}

void PreviewDrag::reset() {
    selection_.clear();
    endDrag();
    for (SelectionFrame& f : frames_) f.hide();
    frames_.clear();
    destroyAll(handles_);
}

void PreviewDrag::refreshMarks() {
    const std::vector<int32_t>& members = selection_.members();
    const size_t others = members.empty() ? 0 : members.size() - 1;
    for (size_t i = others; i < frames_.size(); ++i) frames_[i].hide();
    frames_.resize(others);
    for (size_t i = 0; i < others; ++i) frames_[i].surround(controlOf(members[i + 1]));
    wxWindow* control = controlOf(selection_.first());
    if (!control || !control->IsShown() || !control->GetParent()) {
        destroyAll(handles_);
        return;
    }
    if (handles_[0] && handles_[0]->GetParent() != control->GetParent()) destroyAll(handles_);
    const auto boxes = handleBoxes(boxOf(control->GetRect()), SelectionFrame::kThickness);
    // Clockwise from the top-left corner, as the handles are counted.
    static const wxStockCursor kCursors[kHandles] = {
        wxCURSOR_SIZENWSE, wxCURSOR_SIZENS, wxCURSOR_SIZENESW, wxCURSOR_SIZEWE,
        wxCURSOR_SIZENWSE, wxCURSOR_SIZENS, wxCURSOR_SIZENESW, wxCURSOR_SIZEWE};
    for (size_t h = 0; h < handles_.size(); ++h) {
        if (!handles_[h]) {
            handles_[h] = makeMark(control->GetParent(), kHandleColour);
            handles_[h]->SetCursor(wxCursor(kCursors[h]));
        }
        place(handles_[h].get(), boxes[h]);
    }
}

void PreviewDrag::toggle(int32_t element) {
    // The last selected gadget stays: the pages always show one.
    if (selection_.size() == 1 && selection_.contains(element)) return;
    const int32_t first = selection_.first();
    selection_.toggle(element);
    if (selection_.first() != first) {
        choosing_ = true;
        host_.choose(selection_.first());
        choosing_ = false;
    }
    refreshMarks();
}

bool PreviewDrag::press(wxTopLevelWindow* window, int x, int y, PointerKeys keys) {
    endDrag();
    pressX_ = x;
    pressY_ = y;
    pressed_ = -1;
    handle_ = Handle::None;
    bandable_ = false;
    passClick_ = false;
    bandParent_ = nullptr;
    mode_ = Mode::Pending;
    const int32_t first = selection_.first();
    wxWindow* control = controlOf(first);
    if (control && control->IsShownOnScreen() && !keys.ctrl &&
        wxGetTopLevelParent(control) == window) {
        const wxPoint p = control->GetParent()->ScreenToClient(wxPoint(x, y));
        handle_ = handleAt(boxOf(control->GetRect()), SelectionFrame::kThickness, p.x, p.y);
        if (handle_ != Handle::None) {
            pressed_ = first;
            return true;
        }
    }
    const int32_t hit = host_.elementAt(x, y);
    if (keys.ctrl) {
        if (hit >= 0) toggle(hit);
        mode_ = Mode::Cancelled;
        return true;
    }
    passClick_ = true;  // until it turns into a drag
    if (hit < 0) {
        bandParent_ = window;
        bandable_ = true;
        return true;
    }
    pressed_ = hit;
    const bool wasSelected = selection_.contains(hit);
    if (!wasSelected) host_.choose(hit);
    // A scroll area's bars scroll it, as before: the press selects and goes on to them.
    if (auto* area = dynamic_cast<wxScrolledWindow*>(controlOf(hit))) {
        const wxRect client(area->ClientToScreen(wxPoint(0, 0)), area->GetClientSize());
        if (!client.Contains(x, y)) {
            mode_ = Mode::Idle;
            return false;
        }
    }
    // A press into a container that is not selected yet draws a band among its gadgets.
    bandParent_ = wasSelected ? nullptr : gadgetsParentAt(controlOf(hit), x, y);
    bandable_ = bandParent_ != nullptr;
    return true;
}

void PreviewDrag::motion(int x, int y, PointerKeys keys) {
    if (mode_ == Mode::Pending) {
        if (!beyondThreshold(x - pressX_, y - pressY_)) return;
        passClick_ = false;
        if (handle_ != Handle::None) {
            beginResize();
        } else if (bandable_) {
            beginBand();
        } else if (pressed_ >= 0) {
            beginMove();
        } else {
            mode_ = Mode::Cancelled;
        }
    }
    const DragKeys k = dragKeys(gridOn(), keys.alt, keys.shift);
    const int32_t pdx = x - pressX_;
    const int32_t pdy = y - pressY_;
    if (mode_ == Mode::Moving) {
        const MoveResult r = dragMove(scene_, pdx, pdy, k, range_);
        last_ = Box{r.dx, r.dy, 0, 0};
        for (const Moved& m : moved_) {
            if (m.control) {
                m.control->Move(m.start.x + r.dx, m.start.y + r.dy, wxSIZE_ALLOW_MINUS_ONE);
            }
        }
        host_.pages().followFrame();
        refreshMarks();
        showGuides(r.guides,
                   moved_.front().control ? moved_.front().control->GetParent() : nullptr);
        host_.setStatus(" X: " + std::to_string(scene_.start.x + r.dx - scene_.bounds.x) +
                        " / Y: " + std::to_string(scene_.start.y + r.dy - scene_.bounds.y));
    } else if (mode_ == Mode::Resizing) {
        const ResizeResult r = dragResize(scene_, handle_, pdx, pdy, k);
        last_ = r.box;
        wxWindow* control = moved_.front().control.get();
        if (!control) return;
        control->SetSize(r.box.x, r.box.y, r.box.width, r.box.height, wxSIZE_ALLOW_MINUS_ONE);
        host_.pages().followFrame();
        refreshMarks();
        showGuides(r.guides, control->GetParent());
        host_.setStatus(" W: " + std::to_string(r.box.width) +
                        " / H: " + std::to_string(r.box.height));
    } else if (mode_ == Mode::Banding) {
        showBand(x, y);
    }
}

void PreviewDrag::release(int x, int y, PointerKeys) {
    const Mode mode = mode_;
    if (mode == Mode::Moving) {
        commitMoves(last_.x, last_.y, 0, 0);
    } else if (mode == Mode::Resizing) {
        const Box& s = scene_.start;
        commitMoves(last_.x - s.x, last_.y - s.y, last_.width - s.width, last_.height - s.height);
    } else if (mode == Mode::Banding) {
        finishBand(x, y);
    }
    const bool click = mode == Mode::Pending && passClick_;
    const int32_t pressed = pressed_;
    endDrag();
    if (!click) return;
    capture_->passClick();
    // A plain click on one of several selected gadgets selects it alone.
    if (selection_.size() > 1 && pressed >= 0) host_.choose(pressed);
}

void PreviewDrag::escape() {
    if (mode_ == Mode::Moving || mode_ == Mode::Resizing) putBack();
    endDrag();
    mode_ = Mode::Cancelled;  // the release that follows does nothing
}

void PreviewDrag::beginMove() {
    moved_.clear();
    range_ = DeltaRange{};
    for (const int32_t e : selection_.members()) {
        wxWindow* c = controlOf(e);
        if (!c || !c->IsShownOnScreen()) continue;
        moved_.push_back({e, c, c->GetRect()});
    }
    // A gadget inside a selected container goes with it and is not moved again within it.
    std::vector<Moved> outer;
    for (const Moved& m : moved_) {
        const bool inside = std::any_of(moved_.begin(), moved_.end(), [&m](const Moved& other) {
            return other.control != m.control && other.control->IsDescendant(m.control.get());
        });
        if (!inside) outer.push_back(m);
    }
    moved_ = std::move(outer);
    for (const Moved& m : moved_) {
        limitToBounds(range_, boxOf(m.start), boundsOf(m.element, m.control.get()));
    }
    // The gadget pressed (or the selected container it sits in) leads: the grid and the guides
    // are its.
    wxWindow* pressed = controlOf(pressed_);
    const auto lead = std::find_if(moved_.begin(), moved_.end(), [pressed](const Moved& m) {
        return m.control.get() == pressed || (pressed && m.control->IsDescendant(pressed));
    });
    if (lead == moved_.end()) {
        moved_.clear();
        mode_ = Mode::Cancelled;
        return;
    }
    std::iter_swap(moved_.begin(), lead);
    scene_ = sceneOf(moved_.front().element, moved_.front().control.get());
    last_ = Box{};
    mode_ = Mode::Moving;
}

void PreviewDrag::beginResize() {
    wxWindow* c = controlOf(pressed_);
    moved_.clear();
    if (!c) {
        mode_ = Mode::Cancelled;
        return;
    }
    moved_.push_back({pressed_, c, c->GetRect()});
    scene_ = sceneOf(pressed_, c);
    last_ = scene_.start;
    mode_ = Mode::Resizing;
}

void PreviewDrag::beginBand() {
    if (!bandParent_) {
        mode_ = Mode::Cancelled;
        return;
    }
    for (auto& bar : band_) {
        if (bar && bar->GetParent() != bandParent_.get()) bar->Destroy();
        if (!bar) bar = makeMark(bandParent_.get(), kBandColour);
    }
    mode_ = Mode::Banding;
}

Box PreviewDrag::boundsOf(int32_t element, wxWindow* control) const {
    const sElement& e = host_.elements()[element];
    const EditValues v = editValues(e, host_.namesAt(e.Line));
    const wxPoint at = control->GetPosition();
    wxWindow* parent = control->GetParent();
    const wxSize client = parent->GetClientSize();
    const wxSize virt = parent->GetVirtualSize();
    // The code's 0, 0 lies where the control stands less its code position (a scrolled area
    // shows its gadgets shifted by the scrolling).
    return Box{at.x - v.x, at.y - v.y, std::max(client.x, virt.x), std::max(client.y, virt.y)};
}

DragScene PreviewDrag::sceneOf(int32_t element, wxWindow* control) const {
    DragScene scene;
    scene.start = boxOf(control->GetRect());
    scene.bounds = boundsOf(element, control);
    scene.gridOriginX = scene.bounds.x;
    scene.gridOriginY = scene.bounds.y;
    wxWindow* parent = control->GetParent();
    ElementList& list = host_.elements();
    for (int32_t i = 0; i < list.count(); ++i) {
        wxWindow* c = controlOf(i);
        if (!c || c->GetParent() != parent || !c->IsShown()) continue;
        const bool moving = std::any_of(moved_.begin(), moved_.end(),
                                        [c](const Moved& m) { return m.control.get() == c; });
        if (!moving) scene.siblings.push_back(boxOf(c->GetRect()));
    }
    return scene;
}

void PreviewDrag::showGuides(const std::vector<Guide>& guides, wxWindow* parent) {
    if (!parent) return;
    if (!guides_.empty() && guides_.front() && guides_.front()->GetParent() != parent) {
        for (auto& g : guides_) {
            if (g) g->Destroy();
        }
        guides_.clear();
    }
    while (guides_.size() < guides.size()) guides_.emplace_back(makeMark(parent, kGuideColour));
    for (size_t i = 0; i < guides_.size(); ++i) {
        if (!guides_[i]) continue;
        if (i >= guides.size()) {
            guides_[i]->Hide();
            continue;
        }
        const Guide& g = guides[i];
        place(guides_[i].get(), g.vertical ? Box{g.at, g.from, 1, g.to - g.from}
                                           : Box{g.from, g.at, g.to - g.from, 1});
    }
}

namespace {

// The band from the press to the pointer, in the band's window, cut to its client area.
Box bandBox(wxWindow* parent, int x0, int y0, int x1, int y1) {
    const wxPoint a = parent->ScreenToClient(wxPoint(x0, y0));
    const wxPoint b = parent->ScreenToClient(wxPoint(x1, y1));
    const wxSize size = parent->GetClientSize();
    const int left = std::clamp(std::min(a.x, b.x), 0, size.x);
    const int top = std::clamp(std::min(a.y, b.y), 0, size.y);
    const int right = std::clamp(std::max(a.x, b.x), 0, size.x);
    const int bottom = std::clamp(std::max(a.y, b.y), 0, size.y);
    return Box{left, top, right - left, bottom - top};
}

}  // namespace

void PreviewDrag::showBand(int x, int y) {
    if (!bandParent_) return;
    const Box b = bandBox(bandParent_.get(), pressX_, pressY_, x, y);
    const Box bars[4] = {{b.x, b.y, b.width, 1},
                         {b.x, b.bottom(), b.width + 1, 1},
                         {b.x, b.y, 1, b.height},
                         {b.right(), b.y, 1, b.height}};
    for (size_t i = 0; i < band_.size(); ++i) {
        if (band_[i]) place(band_[i].get(), bars[i]);
    }
}

void PreviewDrag::finishBand(int x, int y) {
    if (!bandParent_) return;
    const Box band = bandBox(bandParent_.get(), pressX_, pressY_, x, y);
    std::vector<int32_t> enclosed;
    ElementList& list = host_.elements();
    for (int32_t i = 0; i < list.count(); ++i) {
        wxWindow* c = controlOf(i);
        if (c && c->GetParent() == bandParent_.get() && c->IsShown() &&
            band.encloses(boxOf(c->GetRect()))) {
            enclosed.push_back(i);
        }
    }
    if (enclosed.empty()) return;
    host_.choose(enclosed.front());
    selection_.replace(std::move(enclosed));
    refreshMarks();
    host_.setStatus(" " + std::to_string(selection_.size()) + " gadgets selected");
}

void PreviewDrag::commitMoves(int32_t dx, int32_t dy, int32_t dw, int32_t dh) {
    if (dx == 0 && dy == 0 && dw == 0 && dh == 0) return;
    std::vector<EditPages::GeometryEdit> edits;
    for (const Moved& m : moved_) {
        const auto texts = geometryTexts(host_.elements()[m.element], dx, dy, dw, dh);
        if (!texts) {
            // A value that cannot be offset (#PB_Ignore, a window) keeps its gadget in place.
            if (m.control) m.control->SetSize(m.start, wxSIZE_ALLOW_MINUS_ONE);
            host_.setStatus("Not moved: a value that a drag cannot change");
            continue;
        }
        edits.push_back({m.element, *texts});
    }
    host_.pages().commitGeometry(edits);
}

void PreviewDrag::putBack() {
    for (const Moved& m : moved_) {
        if (m.control) m.control->SetSize(m.start, wxSIZE_ALLOW_MINUS_ONE);
    }
    host_.pages().followFrame();
    host_.setStatus(" Drag cancelled");
}

void PreviewDrag::endDrag() {
    for (auto& g : guides_) {
        if (g) g->Destroy();
    }
    guides_.clear();
    destroyAll(band_);
    moved_.clear();
    mode_ = Mode::Idle;
    refreshMarks();
}

wxWindow* PreviewDrag::gadgetsParentAt(wxWindow* container, int x, int y) const {
    if (!container) return nullptr;
    wxWindow* best = nullptr;
    int64_t bestArea = 0;
    ElementList& list = host_.elements();
    for (int32_t i = 0; i < list.count(); ++i) {
        wxWindow* c = controlOf(i);
        wxWindow* parent = c ? c->GetParent() : nullptr;
        if (!parent || (parent != container && !container->IsDescendant(parent))) continue;
        if (!parent->IsShownOnScreen()) continue;
        // Its client area: a press on a scroll area's bars is no band.
        const wxRect r(parent->ClientToScreen(wxPoint(0, 0)), parent->GetClientSize());
        if (!r.Contains(x, y)) continue;
        const int64_t area = int64_t(r.width) * r.height;
        if (!best || area < bestArea) {
            best = parent;
            bestArea = area;
        }
    }
    return best;
}

bool PreviewDrag::nudgeSelection(int32_t item) {
    if (selection_.size() < 2) return false;
    const std::optional<Nudge> n = nudgeOf(item);
    if (!n) return false;
    std::vector<EditPages::GeometryEdit> edits;
    for (const int32_t e : selection_.members()) {
        if (e < 0 || e >= host_.elements().count()) continue;
        if (const auto texts = nudgeTexts(host_.elements()[e], item)) edits.push_back({e, *texts});
    }
    host_.pages().commitGeometry(edits, n->position);
    refreshMarks();
    return true;
}

}  // namespace tessaly
