#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

#include "ui/utf8_text.h"

namespace tessaly {

// Our UTF-8 text as the toolkit's string. Bytes that are not UTF-8 become U+FFFD instead of
// emptying the whole text.
inline wxString toWx(std::string_view text) {
    const std::string valid = repairUtf8(text);
    return wxString::FromUTF8(valid.data(), valid.size());
}

// The toolkit's string as UTF-8. Takes the string by reference: the buffer of a temporary's
// utf8_str() may point into the temporary itself.
inline std::string fromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

}  // namespace tessaly
