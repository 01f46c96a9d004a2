// Feeds arbitrary bytes to the reader and the code writer. Checks, besides the sanitizers:
// the bytes survive the way through the toolkit's text, the code splits and joins back byte for
// byte, every element points into its own line, and rewriting every listed element touches no
// other line and no line break.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "app/utf8_text.h"
#include "edit/code_writer.h"
#include "form/code_text.h"
#include "form/keywords.h"
#include "form/number_text.h"
#include "form/reader.h"

namespace {

using namespace tessaly;

const KeywordTable& table() {
    static const KeywordTable t = {
        {"OpenWindow, W, Window, x, y, Width, Height, Title$, Flags?, ParentWindowID?", "", 0,
         "OpenWindow"},
        {"ButtonImageGadget, G, Gadget, x, y, Width, Height, ImageID, Flags?", "", 1,
         "ButtonImageGadget"},
        {"ImageGadget, G, Gadget, x, y, Width, Height, ImageID, Flags?", "", 1, "ImageGadget"},
        {"ButtonGadget, G, Gadget, x, y, Width, Height, Text$, Flags?", "", 1, "ButtonGadget"},
        {"DateGadget, G, Gadget, x, y, Width, Height, Mask$?, Date?, Flags?", "", 1, "DateGadget"},
        {"B, G", "", 1, "B"},
        {"CreateStatusBar, S, StatusBar, ParentWindowID", "", 0, "CreateStatusBar"},
        {"AddGadgetItem, I, Gadget, Position, Text$", "", 2, "AddGadgetItem"},
        {"CloseGadgetList, L", "", 2, "CloseGadgetList"},
        {"", "", 1, ""},
    };
    return t;
}

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // The keyword loader must take any bytes too.
    (void)parseKeywordTable(text);

    // Any bytes pass through the toolkit's text and come back unchanged, and what the toolkit
    // gets holds no NUL.
    const std::string shown = toToolkitUtf8(text);
    check(shown.find('\0') == std::string::npos);
    check(fromToolkitUtf8(shown) == text);

    CodeText code(text);
    check(code.text() == text);

    ElementList list;
    scanLines(code, table(), list);
    std::set<int> rewritten;
    for (const sElement& e : list) {
        check(e.Line >= 0 && e.Line < code.lineCount());
        check(e.Code == code.line(e.Line));
        check(e.Position >= 1 && size_t(e.Position) <= e.Code.size());
        for (const sParameter& p : e.Parameters) (void)parseNumberText(p.Value);
    }

    const CodeText before = code;
    for (int i = 0; i < list.count(); ++i) {
        if (list[i].Sort != kSortWindow && list[i].Sort != kSortGadget) continue;
        list.select(i);
        check(writeCode(list, code));
        rewritten.insert(list[i].Line);
        // The prefix in front of the call name stays as read.
        const std::string& line = code.line(list[i].Line);
        check(line.compare(0, size_t(list[i].Position - 1), list[i].Code, 0,
                           size_t(list[i].Position - 1)) == 0);
    }
    check(code.lineCount() == before.lineCount());
    for (int i = 0; i < code.lineCount(); ++i) {
        check(code.lineBreak(i) == before.lineBreak(i));
        if (!rewritten.count(i)) check(code.line(i) == before.line(i));
        check(code.line(i).find_first_of("\r\n") == std::string::npos);
    }
    // Joining and splitting the result again gives the same lines.
    check(CodeText(code.text()).lineCount() == code.lineCount());
    return 0;
}
