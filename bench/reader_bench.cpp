// Reading and rewriting speed for generated forms of growing size. Prints figures; never fails
// on time. The cost of one line rewrite must stay flat as the form grows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "edit/code_writer.h"
#include "form/code_text.h"
#include "form/keywords.h"
#include "form/reader.h"

namespace {

using namespace tessaly;
using Clock = std::chrono::steady_clock;

std::string generateForm(int lines) {
    static const char* kCalls[] = {
        "  ButtonGadget(#Button_%d, 10, %d, 100, 25, \"Button %d\")\n",
        "  StringGadget(#String_%d, 120, %d, 200, 25, \"Text %d\", #PB_String_ReadOnly)\n",
        "  ; a comment line %d %d %d\n",
        "  CheckBoxGadget(#Check_%d, 10, %d, 150, 20, \"Option %d\")\n",
        "  AddGadgetItem(#List_%d, -1, \"Item %d %d\")\n",
        "  Gadget_%d = TextGadget(#PB_Any, 10, %d, 90, 20, \"Label %d\") ; note\n",
    };
    std::string out =
        "OpenWindow(#Window_0, 0, 0, 800, 600, \"Generated\", #PB_Window_SystemMenu)\n";
    char buffer[256];
    for (int i = 1; i < lines; ++i) {
        std::snprintf(buffer, sizeof buffer, kCalls[i % 6], i, i % 600, i);
        out += buffer;
    }
    return out;
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

}  // namespace

int main() {
    const KeywordLoad keywords = loadKeywordFile(TESSALY_SOURCE_DIR "/assets/keywords.json");
    if (!keywords.ok) {
        std::fprintf(stderr, "cannot read keywords.json: %s\n", keywords.error.c_str());
        return 1;
    }
    std::printf("%10s %14s %14s %16s\n", "lines", "read (ms)", "lines/s", "rewrite (ns)");
    for (int lines : {1000, 10000, 100000}) {
        const std::string text = generateForm(lines);
        CodeText code(text);
        ElementList list;

        std::vector<double> readTimes;
        for (int rep = 0; rep < 5; ++rep) {
            const auto t0 = Clock::now();
            scanLines(code, keywords.table, list);
            readTimes.push_back(seconds(Clock::now() - t0));
        }
        std::sort(readTimes.begin(), readTimes.end());
        const double read = readTimes[readTimes.size() / 2];

        // One commit: rewrite the line of an element in the middle of the form.
        list.select(list.count() / 2);
        constexpr int kRewrites = 20000;
        const auto t0 = Clock::now();
        for (int i = 0; i < kRewrites; ++i) writeCode(list, code);
        const double rewrite = seconds(Clock::now() - t0) / kRewrites;

        std::printf("%10d %14.2f %14.0f %16.0f\n", lines, read * 1e3, lines / read, rewrite * 1e9);
    }
    return 0;
}
