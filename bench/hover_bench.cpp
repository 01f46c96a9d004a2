// One hover scan over forms of growing size: the cost of a pointer move over the preview.
// Prints figures; never fails on time.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/hover.h"

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

}  // namespace

int main() {
    std::printf("%10s %16s %16s\n", "elements", "scan (us)", "per element (ns)");
    for (int count : {100, 1000, 10000}) {
        ElementList list;
        std::vector<Rect> rects;
        for (int i = 0; i < count; ++i) {
            sElement& e = list.append();
            e.Sort = kSortGadget;
            e.Gadget = 100000 + i;
            e.Index = i;
            e.Parameters.push_back(sParameter{"Gadget", "#Gadget_" + std::to_string(i), 21, 1});
            rects.push_back({(i % 8) * 100, (i / 8) % 600, 90, 25});
        }
        const GadgetRect rectOf = [&rects](int32_t n) -> std::optional<Rect> {
            const int i = n - 100000;
            if (i < 0 || i >= int(rects.size())) return std::nullopt;
            return rects[size_t(i)];
        };
        constexpr int kScans = 2000;
        int hits = 0;
        const auto t0 = Clock::now();
        HoverState state;
        for (int s = 0; s < kScans; ++s) {
            updateHover(state, 1 + s % 800, s % 600, list, rectOf);  // a move every time
            hits += state.index >= 0;
        }
        const double each = std::chrono::duration<double>(Clock::now() - t0).count() / kScans;
        std::printf("%10d %16.2f %16.1f   (%d hits)\n", count, each * 1e6, each * 1e9 / count,
                    hits);
    }
    return 0;
}
