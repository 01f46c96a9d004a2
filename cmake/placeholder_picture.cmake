# The placeholder picture shown for OpenGL gadgets, carried in the program as a byte array.
set(PLACEHOLDER_JPEG ${CMAKE_SOURCE_DIR}/assets/opengl_placeholder.jpg)
set(PLACEHOLDER_CPP ${CMAKE_BINARY_DIR}/generated/placeholder_picture_data.cpp)
add_custom_command(
  OUTPUT ${PLACEHOLDER_CPP}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${PLACEHOLDER_JPEG} -DOUTPUT=${PLACEHOLDER_CPP}
          -DSYMBOL=kPlaceholderPictureJpeg -P ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake
  DEPENDS ${PLACEHOLDER_JPEG} ${CMAKE_SOURCE_DIR}/cmake/embed_file.cmake
  COMMENT "Embedding the placeholder picture")
target_sources(tessaly_core PRIVATE ${PLACEHOLDER_CPP})
