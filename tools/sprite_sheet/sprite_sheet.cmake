# The sprite sheet and the icon are drawn by a generator at build time and compiled into the
# core; the icon's PNG files for a desktop entry land in ${VANDREL_ART_DIR} as well.
# Included from the top-level CMakeLists.txt, so that the generated sources belong to the
# directory that defines vandrel_core.

file(GLOB VANDREL_SPRITE_TOOL_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/tools/sprite_sheet/*.cpp)
add_executable(vandrel-sprite-sheet ${VANDREL_SPRITE_TOOL_SOURCES}
  ${CMAKE_CURRENT_SOURCE_DIR}/view/png_file.cpp)
target_include_directories(vandrel-sprite-sheet PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

set(VANDREL_ART_DIR ${CMAKE_CURRENT_BINARY_DIR}/art)
set(VANDREL_ART_SOURCES ${VANDREL_ART_DIR}/sprite_sheet_data.cpp ${VANDREL_ART_DIR}/app_icon_data.cpp)
set(VANDREL_ICON_PNGS)
foreach(size 16 32 48 64 128 256)
  list(APPEND VANDREL_ICON_PNGS ${VANDREL_ART_DIR}/vandrel-${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${VANDREL_ART_SOURCES} ${VANDREL_ART_DIR}/sprite_sheet.bmp ${VANDREL_ICON_PNGS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANDREL_ART_DIR}
  COMMAND vandrel-sprite-sheet ${VANDREL_ART_DIR}
  DEPENDS vandrel-sprite-sheet
  COMMENT "Drawing the sprite sheet and the icon"
  VERBATIM)
# The byte arrays are long string literals, longer than ISO C++ promises to accept.
set_source_files_properties(${VANDREL_ART_SOURCES} PROPERTIES COMPILE_OPTIONS -Wno-overlength-strings)
