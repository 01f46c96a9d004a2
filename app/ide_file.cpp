#include "app/ide_file.h"

#include "app/safe_write.h"
#include "form/read_file.h"

namespace tessaly {

namespace {

bool isBreak(char c) {
    return c == '\r' || c == '\n';
}

bool startsLine(std::string_view text, size_t pos) {
    if (pos == 0) return true;
    if (text[pos - 1] == '\n') return true;
    return text[pos - 1] == '\r' && (pos == text.size() || text[pos] != '\n');
}

// Line breaks (CR LF, LF, CR) in text[from, to).
size_t breaksIn(std::string_view text, size_t from, size_t to) {
    size_t count = 0;
    for (size_t i = from; i < to; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++count;
        }
    }
    return count;
}

bool write(const std::string& path, const std::string& text, std::string& error) {
    const WriteResult result = writeFileSafely(path, text);
    if (!result.ok()) error = result.error;
    return result.ok();
}

}  // namespace

std::optional<ByteRange> findSameLines(std::string_view before, ByteRange selected,
                                       std::string_view after) {
    const std::string_view lines = before.substr(selected.begin, selected.end - selected.begin);
    const size_t line = breaksIn(before, 0, selected.begin);
    std::optional<ByteRange> only;
    int found = 0;
    size_t counted = 0;  // breaks in after[0, countedTo)
    size_t countedTo = 0;
    for (size_t pos = after.find(lines); pos != std::string_view::npos;
         pos = pos < after.size() ? after.find(lines, pos + 1) : std::string_view::npos) {
        const size_t end = pos + lines.size();
        if (!startsLine(after, pos) || (end < after.size() && !isBreak(after[end]))) continue;
        counted += breaksIn(after, countedTo, pos);
        countedTo = pos;
        const ByteRange range{pos, end};
        if (counted == line) return range;
        if (++found == 1) only = range;
    }
    return found == 1 ? only : std::nullopt;
}

bool IdeFile::load(const std::string& path, std::string_view selection, std::string& error) {
    if (!readWholeFile(path, text_, error)) return false;
    path_ = path;
    selected_ = selectedLines(text_, selection);
    return true;
}

std::string IdeFile::code() const {
    return text_.substr(selected_.begin, selected_.end - selected_.begin);
}

IdeFile::OnDisk IdeFile::onDisk() const {
    OnDisk disk;
    if (!readWholeFile(path_, disk.text, disk.error)) {
        disk.state = OnDisk::State::Unreadable;
    } else if (disk.text != text_) {
        disk.state = OnDisk::State::Changed;
        disk.sameLines = findSameLines(text_, selected_, disk.text);
    }
    return disk;
}

bool IdeFile::writeBack(std::string_view code, std::string& error) const {
    return write(path_, replaceRange(text_, selected_, code), error);
}

bool IdeFile::writeInto(const OnDisk& disk, std::string_view code, std::string& error) const {
    if (!disk.sameLines) {
        error = "the selected lines are no longer in the file";
        return false;
    }
    return write(path_, replaceRange(disk.text, *disk.sameLines, code), error);
}

}  // namespace tessaly
