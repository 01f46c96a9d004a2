#include "form/keywords.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

#include "form/number_text.h"
#include "form/read_file.h"
#include "form/text_util.h"

namespace tessaly {

namespace {

using Json = nlohmann::ordered_json;

// The first member (in file order) whose name matches in any letter case.
const Json* findMember(const Json& object, std::string_view lowerName) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (asciiLower(it.key()) == lowerName) return &it.value();
    }
    return nullptr;
}

std::string asText(const Json* value) {
    if (!value) return {};
    switch (value->type()) {
        case Json::value_t::string:
            return value->get<std::string>();
        case Json::value_t::number_integer:
            return std::to_string(value->get<int64_t>());
        case Json::value_t::number_unsigned:
            return std::to_string(value->get<uint64_t>());
        case Json::value_t::number_float:
        case Json::value_t::boolean:
            return value->dump();
        default:
            return {};
    }
}

int32_t clampToInt32(long double v) {
    if (v >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

int32_t asSort(const Json* value) {
    if (!value) return 0;
    switch (value->type()) {
        case Json::value_t::number_integer:
            return clampToInt32(static_cast<long double>(value->get<int64_t>()));
        case Json::value_t::number_unsigned:
            return clampToInt32(static_cast<long double>(value->get<uint64_t>()));
        case Json::value_t::number_float: {
            const double d = value->get<double>();
            return std::isfinite(d) ? clampToInt32(std::trunc(d)) : 0;
        }
        case Json::value_t::string:
            return numberTextAsInt32(value->get<std::string>());
        case Json::value_t::boolean:
            return value->get<bool>() ? 1 : 0;
        default:
            return 0;
    }
}

}  // namespace

KeywordLoad parseKeywordTable(std::string_view json) {
    KeywordLoad result;
    Json doc;
    try {
        doc = Json::parse(json.begin(), json.end());
    } catch (const Json::exception& e) {
        result.error = e.what();
        return result;
    }
    result.ok = true;
    if (!doc.is_array()) {
        result.error = "the top-level value is not an array";
        return result;
    }
    result.table.reserve(doc.size());
    for (const Json& entry : doc) {
        sKeyWord& kw = result.table.emplace_back();
        if (!entry.is_object()) continue;
        kw.Item = asText(findMember(entry, "item"));
        kw.Flags = asText(findMember(entry, "flags"));
        kw.Sort = asSort(findMember(entry, "sort"));
        kw.KeyWord = asText(findMember(entry, "keyword"));
    }
    return result;
}

KeywordLoad loadKeywordFile(const std::string& path) {
    std::string text;
    KeywordLoad result;
    result.path = path;
    if (!readWholeFile(path, text, result.error)) return result;
    result = parseKeywordTable(text);
    result.path = path;
    return result;
}

KeywordLoad loadKeywordTableWithFallback(const std::string& exeDir) {
    const std::string local = "keywords.json";
    KeywordLoad first = loadKeywordFile(local);
    if (first.ok) return first;
    std::string tried = local + ": " + first.error;
    if (!exeDir.empty()) {
        // Beside the program in a build folder, in share/tessaly of an installed one.
        for (const std::string& installed :
             {exeDir + "/keywords.json", exeDir + "/../share/tessaly/keywords.json"}) {
            KeywordLoad next = loadKeywordFile(installed);
            if (next.ok) return next;
            tried += "; " + installed + ": " + next.error;
        }
    }
    KeywordLoad none;
    none.ok = false;
    none.error = tried;
    return none;
}

}  // namespace tessaly
