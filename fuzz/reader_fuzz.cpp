// Feeds arbitrary bytes to the reader and the code writer. Checks, besides the sanitizers:
// the bytes survive the way through the toolkit's text, the code splits and joins back byte for
// byte, every element points into its own line, rewriting every listed element touches no other
// line and no line break, keeps the bytes in front of and behind its call, and reading the
// rewritten line gives the same values; and rewriting a whole text a second time changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "edit/code_writer.h"
#include "form/call_text.h"
#include "form/code_text.h"
#include "form/form_names.h"
#include "form/keywords.h"
#include "form/number_text.h"
#include "form/reader.h"
#include "form/syntax_check.h"
#include "form/text_util.h"
#include "ui/utf8_text.h"

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

// Names the failed check, so that a finding says which promise it broke.
#define check(ok)                                                                \
    do {                                                                         \
        if (!(ok)) {                                                             \
            std::fprintf(stderr, "check failed: %s (line %d)\n", #ok, __LINE__); \
            std::abort();                                                        \
        }                                                                        \
    } while (0)

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
        check(e.Line >= 0 && e.Lines >= 1 && e.Line + e.Lines <= code.lineCount());
        std::string statement;
        for (int i = e.Line; i < e.Line + e.Lines; ++i) {
            statement += code.line(i);
            if (i + 1 < e.Line + e.Lines) statement += code.lineBreak(i);
        }
        check(e.Code == statement);
        check(e.Position >= 1 && size_t(e.Position) <= e.Code.size());
        for (const sParameter& p : e.Parameters) (void)parseNumberText(p.Value);
    }

    const CodeText before = code;
    for (int i = 0; i < list.count(); ++i) {
        sElement& e = list[i];
        if (e.Sort != kSortWindow && e.Sort != kSortGadget) continue;
        list.select(i);
        // A call that compiled as read still compiles as written.
        const bool compiled = syntaxError(callSource(e)).empty();
        const std::string read = e.Code;
        const std::string line = buildLine(e);
        // The rewrite keeps what stood in front of and behind the call, and its lines.
        const size_t front = size_t(e.Position - 1);
        const size_t tail = callAt(MaskedLine(read), front, e.KeyWord.size()).tail();
        check(line.compare(0, front, read, 0, front) == 0);
        check(line.size() >= front + (read.size() - tail));
        check(line.compare(line.size() - (read.size() - tail), std::string::npos, read, tail) == 0);
        check(lineCountOf(line) == e.Lines);
        e.Code = line;
        check(writeCode(list, code));
        refreshStatement(list, i, table());
        for (int l = e.Line; l < e.Line + e.Lines; ++l) rewritten.insert(l);
        if (compiled) check(syntaxError(callSource(list[i])).empty());
        // ...and reads back into the same values.
        ElementList again;
        scanLine(line, e.Line, table(), again);
        bool found = false;
        for (const sElement& a : again) {
            if (a.Position != e.Position) continue;
            found = true;
            check(a.KeyWord == e.KeyWord && a.Parameters.size() == e.Parameters.size());
            for (size_t j = 0; j < a.Parameters.size(); ++j) {
                // An empty entry that had to be written reads back as what it was written as.
                const bool filled = trimSpaces(e.Parameters[j].Value).empty() &&
                                    (a.Parameters[j].Value == "0" || a.Parameters[j].Value.empty());
                check(a.Parameters[j].Value == e.Parameters[j].Value || filled);
                check(a.Parameters[j].Type == e.Parameters[j].Type);
            }
        }
        check(found);
    }
    // Nothing outside the rewritten statements changed, not even the number of lines.
    check(code.lineCount() == before.lineCount());
    for (int i = 0; i < code.lineCount(); ++i) {
        check(code.lineBreak(i) == before.lineBreak(i));
        if (!rewritten.count(i)) check(code.line(i) == before.line(i));
        check(code.line(i).find_first_of("\r\n") == std::string::npos);
    }
    // Rewriting the rewritten text changes nothing more.
    ElementList second;
    CodeText again(code.text());
    scanLines(again, table(), second);
    for (int i = 0; i < second.count(); ++i) {
        if (second[i].Sort != kSortWindow && second[i].Sort != kSortGadget) continue;
        second.select(i);
        second[i].Code = buildLine(second[i]);
        check(writeCode(second, again));
        refreshStatement(second, i, table());
    }
    check(again.text() == code.text());
    return 0;
}
