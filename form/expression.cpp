#include "form/expression.h"

#include <algorithm>
#include <limits>

#include "form/call_text.h"
#include "form/number_text.h"
#include "form/text_util.h"

namespace tessaly {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '_';
}

int digitIn(char c, int base) {
    int d = 99;
    if (isDigit(c)) d = c - '0';
    if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < base ? d : -1;
}

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

// An unsigned literal at `i` ("123", "$1F", "%101"): its value, and `i` moved behind it. Nothing
// when no digit follows or the value passes 64 bits.
std::optional<uint64_t> readLiteral(std::string_view t, size_t& i) {
    int base = 10;
    if (i < t.size() && t[i] == '$') base = 16;
    if (i < t.size() && t[i] == '%') base = 2;
    const size_t start = base == 10 ? i : i + 1;
    size_t j = start;
    unsigned __int128 value = 0;
    for (; j < t.size() && digitIn(t[j], base) >= 0; ++j) {
        value = value * unsigned(base) + unsigned(digitIn(t[j], base));
        if (value > std::numeric_limits<uint64_t>::max()) return std::nullopt;
    }
    if (j == start) return std::nullopt;
    i = j;
    return uint64_t(value);
}

class Parser {
  public:
    Parser(std::string_view text, const NameLookup& lookup) : t_(text), lookup_(lookup) {}

    std::optional<int64_t> run() {
        const std::optional<__int128> v = sum();
        skip();
        if (!v || pos_ != t_.size()) return std::nullopt;
        return int64_t(*v);
    }

  private:
    static constexpr int kMaxDepth = 64;  // hostile input must not exhaust the stack

    void skip() {
        while (pos_ < t_.size() && (t_[pos_] == ' ' || t_[pos_] == '\t')) ++pos_;
    }
    bool take(char c) {
        skip();
        if (pos_ < t_.size() && t_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    static std::optional<__int128> checked(__int128 v) {
        if (v > std::numeric_limits<int64_t>::max() || v < std::numeric_limits<int64_t>::min()) {
            return std::nullopt;
        }
        return v;
    }

    std::optional<__int128> sum() {
        std::optional<__int128> v = product();
        while (v) {
            if (take('+')) {
                const auto r = product();
                v = r ? checked(*v + *r) : std::nullopt;
            } else if (take('-')) {
                const auto r = product();
                v = r ? checked(*v - *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<__int128> product() {
        std::optional<__int128> v = unary();
        while (v) {
            if (take('*')) {
                const auto r = unary();
                v = r ? checked(*v * *r) : std::nullopt;
            } else if (take('/')) {
                const auto r = unary();
                v = (r && *r != 0) ? checked(*v / *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<__int128> unary() {
        if (++depth_ > kMaxDepth) return std::nullopt;
        std::optional<__int128> v;
        if (take('-')) {
            const auto r = unary();
            v = r ? checked(-*r) : std::nullopt;
        } else if (take('+')) {
            v = unary();
        } else {
            v = primary();
        }
        --depth_;
        return v;
    }

    std::optional<__int128> primary() {
        skip();
        if (pos_ >= t_.size()) return std::nullopt;
        const char c = t_[pos_];
        if (c == '(') {
            ++pos_;
            const auto v = sum();
            return v && take(')') ? v : std::nullopt;
        }
        if (isDigit(c) || c == '$' || c == '%') {
            const std::optional<uint64_t> n = readLiteral(t_, pos_);
            if (!n || *n > uint64_t(std::numeric_limits<int64_t>::max())) return std::nullopt;
            return __int128(*n);
        }
        const size_t start = pos_;
        if (c == '#') ++pos_;
        while (pos_ < t_.size() && isNameChar(t_[pos_])) ++pos_;
        if (pos_ == start || (c == '#' && pos_ == start + 1) || isDigit(t_[start])) {
            return std::nullopt;
        }
        if (!lookup_) return std::nullopt;
        const std::optional<int64_t> v = lookup_(t_.substr(start, pos_ - start));
        return v ? std::optional<__int128>(*v) : std::nullopt;
    }

    std::string_view t_;
    const NameLookup& lookup_;
    size_t pos_ = 0;
    int depth_ = 0;
};

// A signed literal spelled as `original` spelled its number: hexadecimal and binary stay so for
// values that are not negative, everything else is decimal.
std::string spellLike(std::string_view original, int64_t value) {
    const std::string_view body = original.substr(original.find_first_not_of("+-"));
    if (value >= 0 && (body.front() == '$' || body.front() == '%')) {
        const bool hex = body.front() == '$';
        const bool lower = body.find_first_of("abcdef") != std::string_view::npos;
        std::string digits;
        uint64_t v = uint64_t(value);
        do {
            const int d = int(v % (hex ? 16 : 2));
            digits.insert(digits.begin(), char(d < 10 ? '0' + d : (lower ? 'a' : 'A') + d - 10));
            v /= hex ? 16 : 2;
        } while (v != 0);
        return std::string(1, body.front()) + digits;
    }
    return std::to_string(value);
}

// Is the character in front of `i` (spaces skipped) the end of an operand? Then a "+" or "-" at
// `i` is a binary operator, not a sign.
bool endsOperand(std::string_view code, size_t i) {
    while (i > 0 && (code[i - 1] == ' ' || code[i - 1] == '\t')) --i;
    if (i == 0) return false;
    const char c = code[i - 1];
    return isNameChar(c) || c == ')' || c == MaskedLine::kHidden || c == '$' || c == '.';
}

}  // namespace

std::optional<int64_t> evaluateExpression(std::string_view text, const NameLookup& lookup) {
    return Parser(text, lookup).run();
}

int32_t valueOrNumber(std::string_view text, const NameLookup& lookup) {
    if (const std::optional<int64_t> v = evaluateExpression(text, lookup)) {
        return int32_t(std::clamp<int64_t>(*v, std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
    }
    return numberTextAsInt32(text);
}

bool isIntegerLiteral(std::string_view text) {
    text = trimBlanks(text);
    size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    const size_t start = i;
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == '%')) base = text[i++] == '$' ? 16 : 2;
    const size_t digits = i;
    while (i < text.size() && digitIn(text[i], base) >= 0) ++i;
    return i == text.size() && i > digits && i > start;
}

std::optional<std::string> offsetExpression(std::string_view text, int64_t step) {
    const std::string_view t = trimBlanks(text);
    if (t.empty()) return std::to_string(step);
    if (asciiLower(t) == "#pb_ignore") return std::nullopt;
    if (isIntegerLiteral(t)) {
        const bool negative = t[0] == '-';
        size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
        const std::optional<uint64_t> magnitude = readLiteral(t, i);
        if (!magnitude) return std::nullopt;
        const __int128 value = (negative ? -__int128(*magnitude) : __int128(*magnitude)) + step;
        if (value > std::numeric_limits<int64_t>::max() ||
            value < std::numeric_limits<int64_t>::min() ||
            (*magnitude > uint64_t(std::numeric_limits<int64_t>::max()) && !negative)) {
            return std::nullopt;
        }
        return spellLike(t, int64_t(value));
    }
    // The last "+" or "-" outside parentheses and strings that joins two operands: when a plain
    // number follows it, that trailing term takes the step.
    const MaskedLine masked(t);
    const std::string_view code = masked.code();
    int depth = 0;
    size_t op = std::string_view::npos;
    bool compares = false;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (depth != 0) continue;
        if ((c == '+' || c == '-') && endsOperand(code, i)) op = i;
        if (c == '<' || c == '>' || c == '=') compares = true;
        if (c == ' ' &&
            (code.substr(i).starts_with(" and ") || code.substr(i).starts_with(" or ") ||
             code.substr(i).starts_with(" xor "))) {
            compares = true;
        }
    }
    if (!compares && op != std::string_view::npos && isIntegerLiteral(t.substr(op + 1)) &&
        t.substr(op + 1).find_first_of("+-$%") == std::string_view::npos) {
        const std::string_view literal = trimBlanks(t.substr(op + 1));
        size_t i = 0;
        const std::optional<uint64_t> n = readLiteral(literal, i);
        if (!n || *n > uint64_t(std::numeric_limits<int64_t>::max())) return std::nullopt;
        const __int128 term = (t[op] == '-' ? -__int128(*n) : __int128(*n)) + step;
        if (term > std::numeric_limits<int64_t>::max() ||
            term < -__int128(std::numeric_limits<int64_t>::max())) {
            return std::nullopt;
        }
        size_t left = op;  // the operand in front of the term, without the spaces between
        while (left > 0 && (t[left - 1] == ' ' || t[left - 1] == '\t')) --left;
        const std::string_view head = t.substr(0, left);
        if (term == 0) return std::string(head);
        const std::string_view gap = t.substr(left, op - left);
        const size_t after = t.find_first_not_of(" \t", op + 1);
        const std::string_view gapAfter = t.substr(op + 1, after - op - 1);
        const int64_t m = int64_t(term < 0 ? -term : term);
        return std::string(head) + std::string(gap) + (term < 0 ? '-' : '+') +
               std::string(gapAfter) + std::to_string(m);
    }
    const std::string base = compares ? "(" + std::string(t) + ")" : std::string(t);
    return base + (step < 0 ? " - " : " + ") + std::to_string(step < 0 ? -step : step);
}

std::string textLiteral(std::string_view text) {
    if (text.find_first_of("\"\r\n") == std::string_view::npos) {
        return "\"" + std::string(text) + "\"";
    }
    std::string out = "~\"";
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

}  // namespace tessaly
