#pragma once

#include <cstddef>

namespace tessaly {

// The placeholder picture (a JPEG made for this program) that marks an OpenGL drawing area in the
// preview; embedded at build time from assets/opengl_placeholder.jpg. A toolkit built without a
// JPEG decoder (the Windows build) carries the same picture as a GIF instead, which every
// toolkit decodes: assets/opengl_placeholder.gif.
extern const unsigned char kPlaceholderPictureJpeg[];
extern const std::size_t kPlaceholderPictureJpegSize;
extern const unsigned char kPlaceholderPictureGif[];
extern const std::size_t kPlaceholderPictureGifSize;

}  // namespace tessaly
