#include "tabbar/tabbar_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <list>
#include <vector>

namespace tessaly {

namespace {

// Offsets given to tabs scrolled out of view, far outside any canvas.
constexpr int32_t kHiddenBefore = -65535;
constexpr int32_t kHiddenAfter = 65535;

// Per row: its used length and the number of its tabs not yet stretched.
struct RowTable {
    std::vector<int32_t> used{1};
    std::vector<int32_t> count{0};
};

void setAllLengths(TabBar& bar, const TabBarDefaults& d, const TextWidthFn& tw) {
    for (auto& t : bar.Tabs) {
        t->TabLength = tabLength(bar, *t, d, tw);
        t->Row = 0;
    }
}

void hideFrom(TabBar& bar, size_t first, int32_t offset) {
    for (size_t i = first; i < bar.Tabs.size(); ++i) {
        bar.Tabs[i]->Offset = offset;
        bar.Tabs[i]->Visible = false;
    }
}

// The pass for a single row, with scrolling. Fills row 0 of the table.
void layoutOneRow(TabBar& bar, const TabBarDefaults& d, int32_t width, int32_t height,
                  const TextWidthFn& tw, RowTable& rows) {
    const int32_t count = bar.tabCount();
    const int32_t selected = bar.indexOf(bar.Selected);
    bool focus = false;
    bool fits = false;
    for (;;) {
        focus = bar.FocusSelected;
        bar.MaxLength = availableLength(bar, d, width, height, true);
        if (bar.has(ShortenTexts)) {
            bar.Length = shortenTexts(bar, d, tw);
            if (bar.Length <= bar.MaxLength) {
                bar.Shift = 0;
                fits = true;
                break;
            }
        }
        setAllLengths(bar, d, tw);
        if (focus && selected >= 0 && selected < bar.Shift) {
            bar.Shift = selected;
            focus = false;
        }
        int32_t inView = 0;
        for (;;) {
            bar.Length = 0;
            inView = 0;
            for (int32_t i = 0; i < count; ++i) {
                const int32_t len = bar.Tabs[static_cast<size_t>(i)]->TabLength - 1;
                bar.Length += len;
                if (i >= bar.Shift) inView += len;
                if (i == selected && inView < bar.MaxLength) focus = false;
            }
            // Without a selected tab, or once it leads the view, scrolling on cannot help.
            if (selected < 0 || bar.Shift >= selected) focus = false;
            if (!focus) break;
            ++bar.Shift;
        }
        // Scroll back while the tab before the first one shown still fits.
        for (;;) {
            if (bar.Shift > 1 && bar.Shift - 1 < count) {
                const int32_t len = bar.Tabs[static_cast<size_t>(bar.Shift - 1)]->TabLength;
                if (inView + len >= bar.MaxLength - d.ArrowWidth - d.FadeWidth) break;
                --bar.Shift;
                inView += len - 1;
            } else if (bar.Shift == 1 && count > 0) {
                const int32_t len = bar.Tabs[0]->TabLength;
                if (inView + len >= bar.MaxLength) break;
                bar.Shift = 0;
                inView += len - 1;
            } else {
                break;
            }
        }
        const uint32_t before = bar.Options;
        if (bar.Length >= bar.MaxLength) {
            if (bar.Shift != 0) bar.Options |= ScrolledBack;
            if (inView >= bar.MaxLength) bar.Options |= MoreAhead;
        }
        if (bar.Options == before) break;  // the arrows take room: measure again with them
    }
    bar.FocusSelected = focus;
    // Everything fits but the view starts late: show the bar from its first tab.
    if (!fits && !bar.has(ScrolledBack)) bar.Shift = 0;

    int32_t start = d.Margin;
    const size_t shift = static_cast<size_t>(std::clamp(bar.Shift, 0, count));
    if (bar.has(ScrolledBack)) {
        start = d.Margin + d.ArrowWidth + d.FadeWidth;
        for (size_t i = 0; i < shift; ++i) {
            Tab& t = *bar.Tabs[i];
            const bool partly = i + 1 == shift;  // shows partly under the fade
            t.Offset = partly ? start - t.TabLength + 1 : kHiddenBefore;
            t.Visible = partly;
        }
    }
    bar.Length = 0;
    size_t stop = bar.Tabs.size();
    for (size_t i = shift; i < bar.Tabs.size(); ++i) {
        Tab& t = *bar.Tabs[i];
        t.Offset = start + bar.Length;
        t.Visible = true;
        if (bar.Length + t.TabLength - 1 > bar.MaxLength) {
            stop = i;
            break;
        }
        bar.Length += t.TabLength - 1;
    }
    if (stop < bar.Tabs.size()) hideFrom(bar, stop + 1, kHiddenAfter);
    if (bar.has(ShowNewTab)) {
        if (bar.has(MoreAhead) && stop < bar.Tabs.size()) {
            bar.NewTab.Offset = width - bar.NewTab.TabLength - d.Margin / 2;
        } else {
            bar.NewTab.Offset = start + bar.Length;
        }
    }
    rows.used = {start - d.Margin + bar.Length + 1};
    rows.count = {count};
}

// The pass for WrapRows: tabs that do not fit open further rows; no scrolling.
void layoutRows(TabBar& bar, const TabBarDefaults& d, int32_t width, int32_t height,
                const TextWidthFn& tw, RowTable& rows) {
    bar.MaxLength = availableLength(bar, d, width, height, true);
    bar.Length = bar.MaxLength;
    bar.Shift = 0;
    const int32_t withoutNew = availableLength(bar, d, width, height, false);
    int32_t total = 1;
    for (auto& t : bar.Tabs) {
        t->TabLength = tabLength(bar, *t, d, tw);
        t->Row = 0;
        t->Visible = true;
        total += t->TabLength - 1;
    }
    rows = RowTable{};
    if (total > bar.MaxLength) {
        int32_t row = 0;
        for (size_t i = 0; i < bar.Tabs.size(); ++i) {
            Tab& t = *bar.Tabs[i];
            const int32_t bound = i + 1 == bar.Tabs.size() ? bar.MaxLength : withoutNew;
            // A tab too long for any row stays alone in its row rather than leave one empty.
            const bool rowEmpty = rows.count[static_cast<size_t>(row)] == 0;
            if (!rowEmpty && rows.used[static_cast<size_t>(row)] + t.TabLength - 1 > bound) {
                ++row;
                rows.used.push_back(1);
                rows.count.push_back(0);
            }
            rows.used[static_cast<size_t>(row)] += t.TabLength - 1;
            ++rows.count[static_cast<size_t>(row)];
            t.Row = row;
        }
    } else {
        rows.used[0] = total;
        rows.count[0] = bar.tabCount();
    }
    const int32_t last = static_cast<int32_t>(rows.used.size()) - 1;
    if (last > 0) {
        // Every row but the last fills the width exactly; later tabs take the remainder.
        for (auto& t : bar.Tabs) {
            const size_t r = static_cast<size_t>(t->Row);
            const int32_t share = (withoutNew - rows.used[r]) / rows.count[r];
            if (t->Row == last && share >= 0) continue;
            t->TabLength += share;
            rows.used[r] += share;
            --rows.count[r];
        }
    }
    std::vector<int32_t> next(rows.used.size(), d.Margin);
    for (auto& t : bar.Tabs) {
        const size_t r = static_cast<size_t>(t->Row);
        t->Offset = next[r];
        next[r] += t->TabLength - 1;
    }
    bar.NewTab.Row = last;
    bar.NewTab.Offset = d.Margin + rows.used[static_cast<size_t>(last)] - 1;
}

// Moves the dragged tab towards the mouse, with a lag that shrinks as the distance grows.
void followMouse(TabBar& bar, const TabBarDefaults& d, const RowTable& rows) {
    Tab& t = *bar.Moving;
    const double target = bar.MouseX - t.TabLength / 2.0;
    const double dist = std::abs(t.Offset - target);
    int32_t pos;
    if (dist > 24) {
        pos = static_cast<int32_t>(target);
    } else {
        const double f = (dist / 24) * (dist / 24);
        pos = static_cast<int32_t>(std::lround(t.Offset * (1 - f) + target * f));
    }
    if (pos < d.Margin && !bar.has(ScrolledBack)) pos = d.Margin;
    const size_t r = std::min(static_cast<size_t>(std::max(t.Row, 0)), rows.used.size() - 1);
    const int32_t used = rows.used[r];
    if (pos + t.TabLength - d.Margin + 1 > used - 1 && !bar.has(MoreAhead)) {
        pos = used + d.Margin - t.TabLength;
    }
    t.Offset = pos;
}

int32_t faceState(const TabBar& bar, const Tab& t) {
    if (t.Disabled) return FaceDisabled;
    if (&t == bar.Moving) return FaceMoving;
    if (&t == bar.Selected) return FaceSelected;
    if (&t == bar.Hover) return FaceHover;
    return FaceNormal;
}

void setBox(const TabBar& bar, const TabBarDefaults& d, int32_t height, Tab& t) {
    t.BoxX = t.Offset;
    t.BoxWidth = t.TabLength;
    t.BoxHeight = bar.TabHeight + 2;
    if (bar.has(UpsideDown)) {
        t.BoxY = (bar.TabHeight - 1) * t.Row - 1;
    } else {
        t.BoxY = height - ((bar.TabHeight - 1) * (t.Row + 1) + 1);
    }
    t.PaddingX = d.TextPadding;
    if (&t == bar.Selected) {
        // The selected tab stands out: larger, and raised over its neighbours.
        t.BoxWidth += d.Margin;
        t.BoxHeight += d.Margin;
        t.BoxX -= d.Margin / 2;
        if (!bar.has(UpsideDown)) t.BoxY -= d.Margin;
        t.PaddingX = d.TextPadding + d.Margin / 2;
    }
}

}  // namespace

int32_t tabLength(const TabBar& bar, const Tab& tab, const TabBarDefaults& d,
                  const TextWidthFn& textWidth) {
    const bool isNew = &tab == &bar.NewTab;
    int32_t len = (tab.ShownText.empty() ? 0 : textWidth(tab.ShownText)) + 2 * d.TextPadding;
    if (bar.has(ShowCloseButtons) && !isNew) len += d.CloseButtonSize + d.ImageSpacing;
    if (tab.Picture != 0) {
        len += kTabPictureSize;  // the copy is square: width and height are the same
        if (!tab.ShownText.empty()) len += d.ImageSpacing;
    } else if (isNew && tab.Text.empty()) {
        len += 16;  // room for the "+" look of an empty new-tab button
    }
    if (!isNew) {
        if (len > bar.MaxTabLength) len = bar.MaxTabLength;
        if (len < bar.MinTabLength) len = bar.MinTabLength;  // the minimum wins
    }
    return len;
}

int32_t availableLength(const TabBar& bar, const TabBarDefaults& d, int32_t width, int32_t height,
                        bool withNewTab) {
    int32_t len = (bar.has(LengthAlongHeight) ? height : width) - 2 * d.Margin;
    if (bar.has(ShowNewTab) && withNewTab) len -= bar.NewTab.TabLength - 1;
    if (bar.has(ScrolledBack)) len -= d.ArrowWidth + d.FadeWidth;
    if (bar.has(MoreAhead)) {
        len -= d.ArrowWidth;
        if (bar.has(ShowNewTab)) len -= d.Margin;
    }
    return len;
}

int32_t shortenTexts(TabBar& bar, const TabBarDefaults& d, const TextWidthFn& textWidth) {
    struct Entry {
        Tab* tab;
        int32_t kept;
    };
    std::list<Entry> work;
    int32_t total = 0;
    for (auto& t : bar.Tabs) {
        t->ShownText = t->Text;
        t->TabLength = tabLength(bar, *t, d, textWidth);
        t->Row = 0;
        total += t->TabLength - 1;
        // Longest first; a tab passes only strictly shorter ones.
        auto at = std::find_if(work.begin(), work.end(),
                               [&](const Entry& e) { return e.tab->TabLength < t->TabLength; });
        work.insert(at, Entry{t.get(), charCount(t->Text)});
    }
    while (total > bar.MaxLength && !work.empty()) {
        Entry e = work.front();
        work.pop_front();
        if (e.kept <= 3 || e.tab->TabLength <= bar.MinTabLength) continue;  // dropped
        --e.kept;
        e.tab->ShownText = firstChars(e.tab->Text, e.kept) + "..";
        const int32_t old = e.tab->TabLength;
        e.tab->TabLength = tabLength(bar, *e.tab, d, textWidth);
        total -= old - e.tab->TabLength;
        auto at = std::find_if(work.begin(), work.end(), [&](const Entry& o) {
            return o.tab->TabLength <= e.tab->TabLength;
        });
        work.insert(at, e);
    }
    return total;
}

int32_t layoutTabBar(TabBar& bar, const TabBarDefaults& d, int32_t width, int32_t height,
                     const TextWidthFn& textWidth) {
    bar.Options &= ~(ScrolledBack | MoreAhead);
    if (bar.TabHeight == 0) bar.TabHeight = height - d.Margin;
    if (bar.has(ShowNewTab)) {
        bar.NewTab.TabLength = tabLength(bar, bar.NewTab, d, textWidth);
        bar.NewTab.Row = 0;
    }
    RowTable rows;
    if (bar.has(WrapRows)) {
        layoutRows(bar, d, width, height, textWidth, rows);
    } else {
        layoutOneRow(bar, d, width, height, textWidth, rows);
    }
    const int32_t rowCount = static_cast<int32_t>(rows.used.size());
    if (rowCount != bar.Rows) {
        height = rowCount * (bar.TabHeight - 1) + d.Margin + 1;
        bar.Rows = rowCount;
    }
    if (bar.Moving != nullptr) followMouse(bar, d, rows);
    for (auto& t : bar.Tabs) t->FaceState = faceState(bar, *t);
    bar.NewTab.FaceState = &bar.NewTab == bar.Hover ? FaceHover : FaceNormal;
    for (auto& t : bar.Tabs) setBox(bar, d, height, *t);
    setBox(bar, d, height, bar.NewTab);
    return height;
}

}  // namespace tessaly
