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
    forEachLine(text, [&](std::string_view line, std::string_view) {
        list.clear();
        scanner.scan(line, lineNumber++, list);
        for (const sElement& e : list) {
            out << (first ? "[\n" : ",\n");
            first = false;
            writeElement(out, e);
        }
    });
    out << (first ? "[]" : "\n]");
}

void writeFormatted(std::string_view text, const KeywordTable& table, std::ostream& stream) {
    Buffered out(stream);
    LineScanner scanner(table);
    ElementList list;
    int32_t lineNumber = 0;
    forEachLine(text, [&](std::string_view line, std::string_view lineBreak) {
        list.clear();
        scanner.scan(line, lineNumber++, list);
        // Each rewrite starts from the line as read, so the last call listed on it decides.
        const sElement* last = nullptr;
        for (const sElement& e : list) {
            if (e.Sort == kSortWindow || e.Sort == kSortGadget) last = &e;
        }
        if (last) {
            out << std::string_view(buildLine(*last));
        } else {
            out << line;
        }
        out << lineBreak;
    });
}

}  // namespace tessaly
