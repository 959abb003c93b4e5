# The sprite sheet and the icon are drawn by a generator at build time and compiled into the
# core; the icon's PNG files for a desktop entry land in ${VANDREL_ART_DIR} as well.
# Included from the top-level CMakeLists.txt, so that the generated sources belong to the
# directory that defines vandrel_core.

set(VANDREL_HOST_TOOLS_DIR "" CACHE PATH
  "When cross-building: a native build of this project whose generators to run")
if(CMAKE_CROSSCOMPILING AND VANDREL_HOST_TOOLS_DIR)
  set(VANDREL_SPRITE_TOOL ${VANDREL_HOST_TOOLS_DIR}/vandrel-sprite-sheet)
  set(VANDREL_SPRITE_TOOL_DEPENDS ${VANDREL_SPRITE_TOOL})
  set(VANDREL_HELP_PICTURES_TOOL ${VANDREL_HOST_TOOLS_DIR}/tools/vandrel-help-pictures)
  set(VANDREL_HELP_PICTURES_DEPENDS ${VANDREL_HELP_PICTURES_TOOL})
elseif(CMAKE_CROSSCOMPILING)
  # The generators run on the build machine: this project is configured once more for the
  # build machine, with nothing but the sheet's, the help pages' and the texts' generators
  # built there.
  include(ExternalProject)
  set(VANDREL_HOST_DIR ${CMAKE_CURRENT_BINARY_DIR}/host-tools)
  set(VANDREL_SPRITE_TOOL ${VANDREL_HOST_DIR}/vandrel-sprite-sheet)
  set(VANDREL_HELP_PICTURES_TOOL ${VANDREL_HOST_DIR}/tools/vandrel-help-pictures)
  ExternalProject_Add(vandrel_host_tools
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
    BINARY_DIR ${VANDREL_HOST_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVANDREL_QT=OFF -DVANDREL_TESTS=OFF
      -DVANDREL_BENCH=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${VANDREL_HOST_DIR}
      --target vandrel-sprite-sheet vandrel-help-pictures vandrel-catalogue vandrel-gb18030-table
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${VANDREL_SPRITE_TOOL} ${VANDREL_HELP_PICTURES_TOOL}
      ${VANDREL_HOST_DIR}/vandrel-catalogue ${VANDREL_HOST_DIR}/vandrel-gb18030-table
    INSTALL_COMMAND "")
  set(VANDREL_HELP_PICTURES_DEPENDS vandrel_host_tools ${VANDREL_HELP_PICTURES_TOOL})
  set(VANDREL_SPRITE_TOOL_DEPENDS vandrel_host_tools ${VANDREL_SPRITE_TOOL})
else()
  file(GLOB VANDREL_SPRITE_TOOL_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/sprite_sheet/*.cpp)
  add_executable(vandrel-sprite-sheet ${VANDREL_SPRITE_TOOL_SOURCES}
    ${CMAKE_CURRENT_SOURCE_DIR}/view/png_file.cpp)
  target_include_directories(vandrel-sprite-sheet PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  set(VANDREL_SPRITE_TOOL $<TARGET_FILE:vandrel-sprite-sheet>)
  set(VANDREL_SPRITE_TOOL_DEPENDS vandrel-sprite-sheet)
  set(VANDREL_HELP_PICTURES_TOOL vandrel-help-pictures)
  set(VANDREL_HELP_PICTURES_DEPENDS vandrel-help-pictures)
endif()

set(VANDREL_ART_DIR ${CMAKE_CURRENT_BINARY_DIR}/art)
set(VANDREL_ART_SOURCES ${VANDREL_ART_DIR}/sprite_sheet_data.cpp ${VANDREL_ART_DIR}/app_icon_data.cpp)
set(VANDREL_ICON_PNGS)
foreach(size 16 32 48 64 128 256)
  list(APPEND VANDREL_ICON_PNGS ${VANDREL_ART_DIR}/vandrel-${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${VANDREL_ART_SOURCES} ${VANDREL_ART_DIR}/sprite_sheet.bmp ${VANDREL_ICON_PNGS}
    ${VANDREL_ART_DIR}/vandrel.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANDREL_ART_DIR}
  COMMAND ${VANDREL_SPRITE_TOOL} ${VANDREL_ART_DIR}
  DEPENDS ${VANDREL_SPRITE_TOOL_DEPENDS}
  COMMENT "Drawing the sprite sheet and the icon"
  VERBATIM)
# The byte arrays are long string literals, longer than ISO C++ promises to accept.
set_source_files_properties(${VANDREL_ART_SOURCES} PROPERTIES COMPILE_OPTIONS -Wno-overlength-strings)
