#include "form/reader.h"

#include <string>
#include <vector>

#include "form/call_text.h"
#include "form/text_util.h"

namespace tessaly {

namespace {

// The named entries of a keyword's Item template: the first two fields are not parameters.
std::vector<sParameter> namedEntries(const sKeyWord& kw) {
    std::vector<sParameter> entries;
    const std::vector<std::string_view> names = splitFields(kw.Item);
    for (size_t j = 2; j < names.size(); ++j) {
        sParameter& p = entries.emplace_back();
        // Spaces and double quotes around a name do not count, in whichever order they stand.
        std::string name(trimSpaces(removeChar(trimSpaces(names[j]), '"')));
        if (name.ends_with("$?")) {
            p.Type = kTypeText;
            p.Mandatory = 0;
            name.resize(name.size() - 2);
        } else if (name.ends_with("$")) {
            p.Type = kTypeText;
            p.Mandatory = 1;
            name.pop_back();
        } else if (name.ends_with("?")) {
            p.Type = kTypePlain;
            p.Mandatory = 0;
            name.pop_back();
        } else {
            p.Type = kTypePlain;
            p.Mandatory = 1;
        }
        p.Name = std::move(name);
    }
    return entries;
}

// A text entry keeps the text of a plain string literal; anything else (a variable, an
// expression, an escape string) is kept as written and written back as it stands.
void assignValue(sParameter& p, std::string_view argument) {
    std::string_view text;
    if (p.Type == kTypeText && !argument.empty()) {
        if (plainStringLiteral(argument, text)) {
            p.Value = std::string(text);
        } else {
            p.Value = std::string(argument);
            p.Type = kTypePlain;
        }
        return;
    }
    p.Value = std::string(argument);
}

void readNamedParameters(const std::vector<sParameter>& entries, std::string_view line,
                         const CallSpan& span, const std::vector<std::string_view>& args,
                         sElement& element) {
    element.Parameters = entries;
    if (element.Parameters.empty()) return;
    const size_t named = element.Parameters.size();
    for (size_t j = 0; j < args.size() && j < named; ++j)
        assignValue(element.Parameters[j], args[j]);
    if (args.size() <= named) return;
    // More arguments than entries: the last entry takes the rest of the list as written, so
    // that nothing is lost when the line is written back.
    sParameter& last = element.Parameters.back();
    const size_t from = size_t(args[named - 1].data() - line.data());
    last.Value = std::string(trimSpaces(line.substr(from, span.argsEnd - from)));
    last.Type = kTypePlain;
}

void readPositionalParameters(const std::vector<std::string_view>& args, sElement& element) {
    for (std::string_view argument : args) {
        sParameter& p = element.Parameters.emplace_back();
        std::string_view text;
        p.Value = std::string(plainStringLiteral(argument, text) ? text : argument);
    }
}

// A keyword entry with its lower-cased name and its empty named entries, worked out once per
// reading.
struct PreparedKeyword {
    const sKeyWord* entry;
    std::string name;
    std::vector<sParameter> entries;
};

std::vector<PreparedKeyword> prepare(const KeywordTable& table) {
    std::vector<PreparedKeyword> prepared;
    prepared.reserve(table.size());
    for (const sKeyWord& kw : table) {
        if (kw.KeyWord.empty()) continue;  // an entry without a name never matches
        prepared.push_back(
            {&kw, asciiLower(kw.KeyWord),
             kw.Sort != kSortPositional ? namedEntries(kw) : std::vector<sParameter>{}});
    }
    return prepared;
}

// Buffers reused from line to line.
struct Scratch {
    MaskedLine masked;
    std::vector<std::string_view> args;
};

void scanPrepared(std::string_view line, int32_t lineNumber,
                  const std::vector<PreparedKeyword>& table, ElementList& list, Scratch& scratch) {
    MaskedLine& masked = scratch.masked;
    masked.assign(line);
    if (masked.opens().empty()) return;  // most lines of a program hold no call at all
    // Later entries are looked for only behind the "(" of the last call found, so a call
    // nested in the arguments, or following on the same line, is found in table order.
    size_t searchStart = 0;
    CallSpan span;
    for (const PreparedKeyword& kw : table) {
        if (!findCall(masked, kw.name, searchStart, span)) continue;
        searchStart = span.argsBegin;

        sElement& element = list.append();
        element.Sort = kw.entry->Sort;
        element.Line = lineNumber;
        element.Position = int32_t(span.nameBegin + 1);
        element.Code = std::string(line);
        element.KeyWord = kw.entry->KeyWord;
        element.Flags = kw.entry->Flags;
        splitArguments(line, masked, span, scratch.args);
        if (element.Sort != kSortPositional) {
            readNamedParameters(kw.entries, line, span, scratch.args, element);
        } else {
            readPositionalParameters(scratch.args, element);
        }
    }
}

}  // namespace

struct LineScanner::State {
    std::vector<PreparedKeyword> table;
    Scratch scratch;
};

LineScanner::LineScanner(const KeywordTable& table)
    : state_(std::make_unique<State>(State{prepare(table), {}})) {}

LineScanner::~LineScanner() = default;

void LineScanner::scan(std::string_view line, int32_t lineNumber, ElementList& list) {
    scanPrepared(line, lineNumber, state_->table, list, state_->scratch);
}

void scanLine(std::string_view line, int32_t lineNumber, const KeywordTable& table,
              ElementList& list) {
    Scratch scratch;
    scanPrepared(line, lineNumber, prepare(table), list, scratch);
}

void scanLines(const CodeText& code, const KeywordTable& table, ElementList& list) {
    list.clear();
    LineScanner scanner(table);
    for (int i = 0; i < code.lineCount(); ++i) scanner.scan(code.line(i), i, list);
    list.first();
}

void readForm(const CodeText& code, const KeywordTable& table, ElementList& list,
              ReadFormHooks& hooks) {
    // Last first: a control made later may hold earlier ones (a splitter holds its two
    // children), and destroying it takes them along before anything can point at them.
    for (int i = list.count() - 1; i >= 0; --i) {
        if (list[i].Sort == kSortGadget && list[i].Gadget != 0) hooks.destroyGadget(list[i].Gadget);
    }
    hooks.clearPicker();
    hooks.resetPages();
    list.clear();
    hooks.setFlagsTabDisabled(false);

    scanLines(code, table, list);

    if (list.empty()) {
        hooks.disablePicker();
        hooks.setFlagsTabDisabled(true);
    }
    bool hasWindowLine = false;
    for (const sElement& e : list) {
        if (asciiLower(e.KeyWord) == "openwindow") hasWindowLine = true;
    }
    if (!hasWindowLine && !list.empty()) hooks.openDefaultWindow();
    hooks.buildPreview(list);
    if (!list.empty()) hooks.showFirstEntry();
    list.first();
    hooks.activateMainWindow();
}

}  // namespace tessaly
