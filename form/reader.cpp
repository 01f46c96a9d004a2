#include "form/reader.h"

#include <algorithm>
#include <string>
#include <unordered_map>
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
        p.TextEntry = p.Type == kTypeText ? 1 : 0;
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

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// The keyword entries by lower-cased name; where the table names a call twice, its first entry.
struct PreparedTable {
    std::vector<PreparedKeyword> keywords;
    std::unordered_map<std::string, size_t, NameHash, std::equal_to<>> byName;
};

PreparedTable prepare(const KeywordTable& table) {
    PreparedTable prepared;
    prepared.keywords.reserve(table.size());
    for (const sKeyWord& kw : table) {
        if (kw.KeyWord.empty()) continue;  // an entry without a name never matches
        std::string name = asciiLower(kw.KeyWord);
        if (prepared.byName.contains(name)) continue;
        prepared.byName.emplace(name, prepared.keywords.size());
        prepared.keywords.push_back(
            {&kw, std::move(name),
             kw.Sort != kSortPositional ? namedEntries(kw) : std::vector<sParameter>{}});
    }
    return prepared;
}

bool isNameByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Buffers reused from statement to statement.
struct Scratch {
    MaskedLine masked;
    std::vector<std::string_view> args;
    struct Found {
        const PreparedKeyword* keyword;
        CallSpan span;
    };
    std::vector<Found> found;
    std::string joined;       // the lines of a statement continued over several lines
    int32_t joinedFirst = 0;  // line number of its first line
    int32_t joinedLines = 0;
};

// Reads the calls of one statement (a line, or several joined by continuation) whose text is
// already in `scratch.masked`. Every recognised call is read, also nested ones, in the order
// they are complete: left to right, a call's nested calls before the call itself.
void scanMasked(std::string_view text, int32_t lineNumber, const PreparedTable& table,
                ElementList& list, Scratch& scratch) {
    const MaskedLine& masked = scratch.masked;
    const std::string_view code = masked.code();
    scratch.found.clear();
    for (const size_t open : masked.opens()) {
        size_t end = open;
        while (end > 0 && code[end - 1] == ' ') --end;
        size_t begin = end;
        while (begin > 0 && isNameByte(code[begin - 1])) --begin;
        if (begin == end) continue;
        // A name is a whole word: "MyButtonGadget(", "obj.ButtonGadget(", "Mod::ButtonGadget("
        // and "#ButtonGadget(" are other things.
        if (begin > 0) {
            const char before = code[begin - 1];
            if (before == '.' || before == '#' || before == '@' || before == '\\' ||
                before == '$' || before == '*' ||
                (before == ':' && begin > 1 && code[begin - 2] == ':')) {
                continue;
            }
        }
        const auto it = table.byName.find(code.substr(begin, end - begin));
        if (it == table.byName.end()) continue;
        CallSpan span = callAt(masked, begin, end - begin);
        scratch.found.push_back({&table.keywords[it->second], span});
    }
    if (scratch.found.empty()) return;
    // No two calls start at the same byte, so this order is total.
    if (scratch.found.size() > 1)
        std::sort(scratch.found.begin(), scratch.found.end(), [](const auto& a, const auto& b) {
            if (a.span.argsEnd != b.span.argsEnd) return a.span.argsEnd < b.span.argsEnd;
            return a.span.nameBegin > b.span.nameBegin;
        });
    const int32_t lines = lineCountOf(text);
    for (const auto& [kw, span] : scratch.found) {
        sElement& element = list.append();
        element.Sort = kw->entry->Sort;
        element.Line = lineNumber;
        element.Lines = lines;
        element.Position = int32_t(span.nameBegin + 1);
        element.Code = std::string(text);
        element.KeyWord = kw->entry->KeyWord;
        element.Flags = kw->entry->Flags;
        splitArguments(text, masked, span, scratch.args);
        if (element.Sort != kSortPositional) {
            readNamedParameters(kw->entries, text, span, scratch.args, element);
        } else {
            readPositionalParameters(scratch.args, element);
        }
    }
}

// A statement goes on in the next line when its last code before the comment is a "," or an
// operator.
bool continues(const MaskedLine& masked) {
    const std::string_view code = masked.code().substr(0, masked.commentStart());
    size_t i = code.size();
    while (i > 0 && (code[i - 1] == ' ' || code[i - 1] == '\t')) --i;
    if (i == 0) return false;
    static constexpr std::string_view kJoiners = ",|+-*/&=<>!%~";
    return kJoiners.find(code[i - 1]) != std::string_view::npos;
}

// More lines than this are not joined into one statement.
constexpr int32_t kMaxStatementLines = 256;

}  // namespace

struct LineScanner::State {
    PreparedTable table;
    Scratch scratch;
};

LineScanner::LineScanner(const KeywordTable& table)
    : state_(std::make_unique<State>(State{prepare(table), {}})) {}

LineScanner::~LineScanner() = default;

void LineScanner::scan(std::string_view line, std::string_view lineBreak, int32_t lineNumber,
                       ElementList& list) {
    Scratch& s = state_->scratch;
    if (s.joinedLines == 0) {
        s.masked.assign(line);
        if (lineBreak.empty() || !continues(s.masked)) {
            if (!s.masked.opens().empty()) scanMasked(line, lineNumber, state_->table, list, s);
            return;
        }
        s.joined.assign(line);
        s.joined += lineBreak;
        s.joinedFirst = lineNumber;
        s.joinedLines = 1;
        return;
    }
    s.joined += line;
    ++s.joinedLines;
    s.masked.assign(line);
    if (!lineBreak.empty() && continues(s.masked) && s.joinedLines < kMaxStatementLines) {
        s.joined += lineBreak;
        return;
    }
    finish(list);
}

bool LineScanner::pending() const {
    return state_->scratch.joinedLines > 0;
}

void LineScanner::finish(ElementList& list) {
    Scratch& s = state_->scratch;
    if (s.joinedLines == 0) return;
    s.joinedLines = 0;
    s.masked.assign(s.joined);
    if (!s.masked.opens().empty()) scanMasked(s.joined, s.joinedFirst, state_->table, list, s);
}

void LineScanner::scanStatement(std::string_view text, int32_t lineNumber, ElementList& list) {
    Scratch& s = state_->scratch;
    s.masked.assign(text);
    if (!s.masked.opens().empty()) scanMasked(text, lineNumber, state_->table, list, s);
}

void scanLine(std::string_view line, int32_t lineNumber, const KeywordTable& table,
              ElementList& list) {
    LineScanner(table).scanStatement(line, lineNumber, list);
}

void scanLines(const CodeText& code, const KeywordTable& table, ElementList& list) {
    list.clear();
    LineScanner scanner(table);
    for (int i = 0; i < code.lineCount(); ++i)
        scanner.scan(code.line(i), code.lineBreak(i), i, list);
    scanner.finish(list);
    list.first();
}

bool refreshStatement(ElementList& list, int index, const KeywordTable& table) {
    if (index < 0 || index >= list.count()) return false;
    const int32_t line = list[index].Line;
    int first = index;
    int last = index;
    while (first > 0 && list[first - 1].Line == line) --first;
    while (last + 1 < list.count() && list[last + 1].Line == line) ++last;
    ElementList fresh;
    LineScanner(table).scanStatement(list[index].Code, line, fresh);
    bool same = fresh.count() == last - first + 1;
    for (int i = 0; same && i < fresh.count(); ++i)
        same = fresh[i].KeyWord == list[first + i].KeyWord;
    for (int i = first; i <= last; ++i) {
        sElement& e = list[i];
        if (i != index) e.Code = list[index].Code;
        e.Lines = list[index].Lines;
        if (!same) continue;
        const sElement& f = fresh[i - first];
        e.Position = f.Position;
        // The element just edited keeps its entries as the user left them (a text entry stays
        // text); the others read theirs from the new text.
        if (i != index) e.Parameters = f.Parameters;
    }
    return same;
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
