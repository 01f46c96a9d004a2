#include "form/reader.h"

#include <string>
#include <vector>

#include "form/text_util.h"

namespace tessaly {

namespace {

// Argument text: from behind the line's first "(" to `close` (1-based, exclusive), double quotes
// removed. A close of 0 means the line has no ")": the text then runs to the end of the line.
std::string argumentText(std::string_view line, size_t close) {
    const size_t open = findPosition(line, "(");
    if (open == 0) return {};
    if (close == 0) close = line.size() + 1;
    if (close <= open + 1) return {};
    return removeChar(line.substr(open, close - open - 1), '"');
}

size_t lastPosition(std::string_view line, char c) {
    const size_t at = line.rfind(c);
    return at == std::string_view::npos ? 0 : at + 1;
}

void readNamedParameters(const sKeyWord& kw, std::string_view line, sElement& element,
                         std::string& searchText) {
    const std::vector<std::string_view> names = splitFields(kw.Item);
    for (size_t j = 2; j < names.size(); ++j) {
        sParameter& p = element.Parameters.emplace_back();
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

    searchText = argumentText(line, lastPosition(line, ')'));
    if (element.Parameters.empty()) return;
    size_t at = 0;
    for (std::string_view field : splitFields(searchText)) {
        element.Parameters[at].Value = std::string(trimSpaces(field));
        if (at + 1 < element.Parameters.size()) ++at;
    }
}

void readPositionalParameters(std::string_view line, sElement& element, std::string& searchText) {
    searchText = argumentText(line, findPosition(line, ")"));
    for (std::string_view field : splitFields(searchText)) {
        sParameter& p = element.Parameters.emplace_back();
        p.Value = std::string(trimSpaces(field));
    }
}

// A keyword entry with its lower-cased name and name test, worked out once per reading.
struct PreparedKeyword {
    const sKeyWord* entry;
    std::string name;  // lower-cased call name
    std::string call;  // the same followed by "("
};

std::vector<PreparedKeyword> prepare(const KeywordTable& table) {
    std::vector<PreparedKeyword> prepared;
    prepared.reserve(table.size());
    for (const sKeyWord& kw : table) {
        if (kw.KeyWord.empty()) continue;  // an entry without a name never matches
        std::string name = asciiLower(kw.KeyWord);
        prepared.push_back({&kw, name, name + "("});
    }
    return prepared;
}

void scanPrepared(std::string_view line, int32_t lineNumber,
                  const std::vector<PreparedKeyword>& table, ElementList& list) {
    // The name test runs on the line without spaces, later on the argument text of a match.
    std::string searchText = removeChar(line, ' ');
    std::string lowerSearch = asciiLower(searchText);
    std::string lowerLine;  // made on the first candidate only: most lines match nothing
    const size_t comment = findPosition(line, ";");
    for (const PreparedKeyword& kw : table) {
        if (lowerSearch.find(kw.call) == std::string::npos) continue;
        if (lowerLine.empty()) lowerLine = asciiLower(line);
        const size_t position = findPosition(lowerLine, kw.name);
        if (position == 0) continue;
        if (comment != 0 && comment < position) continue;  // commented out

        sElement& element = list.append();
        element.Sort = kw.entry->Sort;
        element.Line = lineNumber;
        element.Position = int32_t(position);
        element.Code = std::string(line);
        element.KeyWord = kw.entry->KeyWord;
        element.Flags = kw.entry->Flags;
        if (element.Sort != kSortPositional) {
            readNamedParameters(*kw.entry, line, element, searchText);
        } else {
            readPositionalParameters(line, element, searchText);
        }
        lowerSearch = asciiLower(searchText);
    }
}

}  // namespace

void scanLine(std::string_view line, int32_t lineNumber, const KeywordTable& table,
              ElementList& list) {
    scanPrepared(line, lineNumber, prepare(table), list);
}

void scanLines(const CodeText& code, const KeywordTable& table, ElementList& list) {
    list.clear();
    const std::vector<PreparedKeyword> prepared = prepare(table);
    for (int i = 0; i < code.lineCount(); ++i) scanPrepared(code.line(i), i, prepared, list);
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
