#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

#include "ui/utf8_text.h"

namespace tessaly {

// Our text (bytes, usually UTF-8) as the toolkit's string. Bytes the toolkit cannot take (NUL,
// bytes that are not UTF-8) travel as private characters and come back through fromWx, so that
// every byte of a form file survives the code view, the fields and the clipboard.
inline wxString toWx(std::string_view text) {
    const std::string valid = toToolkitUtf8(text);
    return wxString::FromUTF8(valid.data(), valid.size());
}

// The toolkit's string as our bytes, the inverse of toWx. Takes the string by reference: the
// buffer of a temporary's utf8_str() may point into the temporary itself.
inline std::string fromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return fromToolkitUtf8(std::string_view(utf8.data(), utf8.length()));
}

}  // namespace tessaly
