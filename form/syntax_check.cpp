#include "form/syntax_check.h"

#include <cctype>
#include <vector>

namespace tessaly {

namespace {

enum class T { Operand, Name, Open, Close, Comma, Op, Colon, End };

struct Token {
    T type;
    std::string text;
};

bool nameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Splits the text into tokens; line ends become statement ends unless the line goes on.
std::string tokenize(std::string_view s, std::vector<Token>& out) {
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == ';') {
            while (i < s.size() && s[i] != '\n' && s[i] != '\r') ++i;
        } else if (c == '\n' || c == '\r') {
            ++i;
            const bool goesOn =
                !out.empty() && (out.back().type == T::Comma || out.back().type == T::Op ||
                                 out.back().type == T::Open);
            if (!goesOn) out.push_back({T::Colon, ":"});
        } else if (c == '"' || (c == '~' && i + 1 < s.size() && s[i + 1] == '"')) {
            const bool escapes = c == '~';
            size_t j = i + (escapes ? 2 : 1);
            while (j < s.size() && s[j] != '"' && s[j] != '\n' && s[j] != '\r') {
                j += (escapes && s[j] == '\\' && j + 1 < s.size()) ? 2 : 1;
            }
            if (j >= s.size() || s[j] != '"') return "a string is not closed";
            out.push_back({T::Operand, std::string(s.substr(i, j + 1 - i))});
            i = j + 1;
        } else if (c == '(') {
            out.push_back({T::Open, "("});
            ++i;
        } else if (c == ')') {
            out.push_back({T::Close, ")"});
            ++i;
        } else if (c == ',') {
            out.push_back({T::Comma, ","});
            ++i;
        } else if (c == ':' && i + 1 < s.size() && s[i + 1] == ':') {
            out.push_back({T::Op, "::"});
            i += 2;
        } else if (c == ':') {
            out.push_back({T::Colon, ":"});
            ++i;
        } else if (nameChar(c) || c == '#' || c == '@' || c == '.' || c == '\\' ||
                   (c == '*' &&
                    (out.empty() || out.back().type == T::Op || out.back().type == T::Open ||
                     out.back().type == T::Comma || out.back().type == T::Colon)) ||
                   (c == '%' && i + 1 < s.size() && (s[i + 1] == '0' || s[i + 1] == '1') &&
                    (out.empty() || out.back().type != T::Operand))) {
            size_t j = i + 1;
            while (j < s.size() && (nameChar(s[j]) || s[j] == '.' || s[j] == '\\')) ++j;
            const bool name = std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '#' ||
                              c == '@' || c == '*';
            out.push_back({name ? T::Name : T::Operand, std::string(s.substr(i, j - i))});
            i = j;
        } else if (std::string_view("+-*/|&<>=!~%").find(c) != std::string_view::npos) {
            size_t j = i + 1;
            while (j < s.size() && std::string_view("<>=").find(s[j]) != std::string_view::npos)
                ++j;
            out.push_back({T::Op, std::string(s.substr(i, j - i))});
            i = j;
        } else {
            return std::string("unexpected character '") + c + "'";
        }
    }
    out.push_back({T::End, ""});
    return {};
}

bool isWordOperator(const Token& t) {
    if (t.type != T::Name) return false;
    std::string lower;
    for (char c : t.text) lower += char(std::tolower(static_cast<unsigned char>(c)));
    return lower == "and" || lower == "or" || lower == "xor" || lower == "not";
}

class Checker {
  public:
    explicit Checker(const std::vector<Token>& t) : t_(t) {}

    std::string statements() {
        while (t_[i_].type != T::End) {
            if (t_[i_].type == T::Colon) {
                ++i_;
                continue;
            }
            // One leading keyword may stand before the expression ("If", "Debug", ...).
            if (t_[i_].type == T::Name && !isWordOperator(t_[i_]) &&
                (t_[i_ + 1].type == T::Name || t_[i_ + 1].type == T::Operand)) {
                ++i_;
            }
            if (!expression()) return error_.empty() ? "not one expression" : error_;
            if (t_[i_].type != T::Colon && t_[i_].type != T::End) {
                return "more than one expression near '" + t_[i_].text + "'";
            }
        }
        return {};
    }

  private:
    bool operand() {
        while ((t_[i_].type == T::Op && (t_[i_].text == "-" || t_[i_].text == "~" ||
                                         t_[i_].text == "+" || t_[i_].text == "!")) ||
               (isWordOperator(t_[i_]) && t_[i_].text.size() == 3)) {
            ++i_;  // unary minus, bitwise not, Not
        }
        const Token& t = t_[i_];
        if (t.type == T::Operand) {
            ++i_;
            return true;
        }
        if (t.type == T::Name && !isWordOperator(t)) {
            ++i_;
            while (t_[i_].type == T::Op && t_[i_].text == "::" && t_[i_ + 1].type == T::Name)
                i_ += 2;
            if (t_[i_].type == T::Open) return arguments();
            return true;
        }
        if (t.type == T::Open) {
            ++i_;
            if (!expression()) return false;
            if (t_[i_].type != T::Close) return fail("a ( is not closed");
            ++i_;
            return true;
        }
        return fail(t.type == T::Comma || t.type == T::Close ? "an empty argument"
                                                             : "an operand is missing");
    }

    bool arguments() {
        ++i_;  // "("
        if (t_[i_].type == T::Close) {
            ++i_;
            return true;
        }
        while (true) {
            if (!expression()) return false;
            if (t_[i_].type == T::Comma) {
                ++i_;
                continue;
            }
            if (t_[i_].type == T::Close) {
                ++i_;
                return true;
            }
            return fail(t_[i_].type == T::End || t_[i_].type == T::Colon
                            ? "a ( is not closed"
                            : "an argument is more than one expression");
        }
    }

    bool expression() {
        if (!operand()) return false;
        while ((t_[i_].type == T::Op && t_[i_].text != "::") || isWordOperator(t_[i_])) {
            ++i_;
            if (!operand()) return false;
        }
        return true;
    }

    bool fail(std::string why) {
        if (error_.empty()) error_ = std::move(why);
        return false;
    }

    const std::vector<Token>& t_;
    size_t i_ = 0;
    std::string error_;
};

}  // namespace

std::string syntaxError(std::string_view text) {
    std::vector<Token> tokens;
    if (std::string e = tokenize(text, tokens); !e.empty()) return e;
    int depth = 0;
    for (const Token& t : tokens) {
        depth += t.type == T::Open ? 1 : t.type == T::Close ? -1 : 0;
        if (depth < 0) return "a ) without its (";
    }
    if (depth != 0) return "parentheses do not balance";
    return Checker(tokens).statements();
}

}  // namespace tessaly
