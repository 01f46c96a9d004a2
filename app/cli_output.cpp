#include "app/cli_output.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

#include "edit/code_writer.h"
#include "form/code_text.h"
#include "form/reader.h"

namespace tessaly {

namespace {

// Output gathered in a buffer and handed to the stream in large pieces.
class Buffered {
  public:
    explicit Buffered(std::ostream& out) : out_(out) { buffer_.reserve(kSize + 4096); }
    ~Buffered() { flush(); }
    Buffered(const Buffered&) = delete;
    Buffered& operator=(const Buffered&) = delete;

    Buffered& operator<<(std::string_view text) {
        buffer_ += text;
        if (buffer_.size() >= kSize) flush();
        return *this;
    }
    Buffered& operator<<(char c) {
        buffer_ += c;
        return *this;
    }
    Buffered& operator<<(int64_t n) { return *this << std::string_view(std::to_string(n)); }
    void flush() {
        out_.write(buffer_.data(), std::streamsize(buffer_.size()));
        buffer_.clear();
    }

  private:
    static constexpr size_t kSize = 1 << 16;
    std::ostream& out_;
    std::string buffer_;
};

// A JSON string as the JSON library writes it (quotes, escapes, U+FFFD for bytes that are not
// UTF-8). Plain printable ASCII, nearly every string of form code, is copied as it stands.
void writeString(Buffered& out, std::string_view s) {
    bool plain = true;
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x80 || c == '"' || c == '\\') {
            plain = false;
            break;
        }
    }
    if (plain) {
        out << '"' << s << '"';
        return;
    }
    out << std::string_view(nlohmann::json(std::string(s))
                                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

void writeElement(Buffered& out, const sElement& e) {
    out << "  {\n    \"KeyWord\": ";
    writeString(out, e.KeyWord);
    out << ",\n    \"Sort\": " << int64_t(e.Sort);
    out << ",\n    \"Line\": " << int64_t(e.Line);
    out << ",\n    \"Position\": " << int64_t(e.Position);
    out << ",\n    \"Code\": ";
    writeString(out, e.Code);
    out << ",\n    \"Parameters\": ";
    if (e.Parameters.empty()) {
        out << "[]";
    } else {
        out << '[';
        bool first = true;
        for (const sParameter& p : e.Parameters) {
            out << (first ? "\n" : ",\n") << "      {\n        \"Name\": ";
            first = false;
            writeString(out, p.Name);
            out << ",\n        \"Value\": ";
            writeString(out, p.Value);
            out << ",\n        \"Type\": " << int64_t(p.Type);
            out << ",\n        \"Mandatory\": " << int64_t(p.Mandatory) << "\n      }";
        }
        out << "\n    ]";
    }
    out << "\n  }";
}

}  // namespace

void writeDump(std::string_view text, const KeywordTable& table, std::ostream& stream) {
    Buffered out(stream);
    LineScanner scanner(table);
    ElementList list;  // the elements of one line
    int32_t lineNumber = 0;
    bool first = true;
    const auto flush = [&] {
        for (const sElement& e : list) {
            out << (first ? "[\n" : ",\n");
            first = false;
            writeElement(out, e);
        }
        list.clear();
    };
    forEachLine(text, [&](std::string_view line, std::string_view lineBreak) {
        scanner.scan(line, lineBreak, lineNumber++, list);
        flush();
    });
    scanner.finish(list);
    flush();
    out << (first ? "[]" : "\n]");
}

void writeFormatted(std::string_view text, const KeywordTable& table, std::ostream& stream) {
    Buffered out(stream);
    LineScanner scanner(table);
    ElementList list;
    int32_t lineNumber = 0;
    // The lines of a statement still being read, as read.
    std::string pending;
    const auto flush = [&] {
        if (list.empty()) {
            out << std::string_view(pending);
            pending.clear();
            return;
        }
        // Every call of the statement is rewritten in turn, each in the text the ones before it
        // left, so that calls sharing a statement keep each other's rewrites.
        std::string statement = list[0].Code;
        const size_t readLength = statement.size();
        for (int i = 0; i < list.count(); ++i) {
            if (list[i].Sort != kSortWindow && list[i].Sort != kSortGadget) continue;
            statement = buildLine(list[i]);
            for (sElement& e : list) e.Code = statement;
            refreshStatement(list, i, table);
        }
        // The statement's lines as rewritten, then what followed its last line.
        out << std::string_view(statement) << std::string_view(pending).substr(readLength);
        pending.clear();
        list.clear();
    };
    forEachLine(text, [&](std::string_view line, std::string_view lineBreak) {
        pending.append(line);
        pending.append(lineBreak);
        scanner.scan(line, lineBreak, lineNumber++, list);
        if (!list.empty() || !scanner.pending()) flush();
    });
    scanner.finish(list);
    flush();
}

}  // namespace tessaly
