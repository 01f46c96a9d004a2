#pragma once

#include <cstddef>

namespace tessaly {

// The placeholder picture (a JPEG made for this program) that marks an OpenGL drawing area in the
// preview; embedded at build time from assets/opengl_placeholder.jpg.
extern const unsigned char kPlaceholderPictureJpeg[];
extern const std::size_t kPlaceholderPictureJpegSize;

}  // namespace tessaly
