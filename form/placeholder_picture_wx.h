#pragma once

#include <wx/image.h>

namespace tessaly {

// Decodes the embedded placeholder picture through the JPEG handler, or the GIF handler where the
// toolkit has no JPEG decoder (each registered here if needed).
// Called once at start-up; an invalid image only if the embedded data is damaged.
wxImage decodePlaceholderPicture();

}  // namespace tessaly
