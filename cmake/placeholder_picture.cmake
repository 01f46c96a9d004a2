# The placeholder picture shown for OpenGL gadgets, carried in the program as a byte array: the
# JPEG, or on Windows (whose wxWidgets is built without a JPEG decoder) the same picture as a GIF.
if(WIN32)
  set(PLACEHOLDER_JPEG ${CMAKE_SOURCE_DIR}/assets/opengl_placeholder.gif)
  set(PLACEHOLDER_SYMBOL kPlaceholderPictureGif)
else()
  set(PLACEHOLDER_JPEG ${CMAKE_SOURCE_DIR}/assets/opengl_placeholder.jpg)
  set(PLACEHOLDER_SYMBOL kPlaceholderPictureJpeg)
endif()
set(PLACEHOLDER_CPP ${CMAKE_BINARY_DIR}/generated/placeholder_picture_data.cpp)
add_custom_command(
  OUTPUT ${PLACEHOLDER_CPP}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${PLACEHOLDER_JPEG} -DOUTPUT=${PLACEHOLDER_CPP}
          -DSYMBOL=${PLACEHOLDER_SYMBOL} -P ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake
  DEPENDS ${PLACEHOLDER_JPEG} ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake
  COMMENT "Embedding the placeholder picture")
target_sources(tessaly_core PRIVATE ${PLACEHOLDER_CPP})
