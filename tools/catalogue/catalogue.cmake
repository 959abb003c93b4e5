# The program's texts: the gettext catalogues in po/ (one file a language, po/vandrel.pot the
# template) are turned at build time into tables compiled into the core, so nothing is read
# from disk at run time, and into the desktop files that carry every language.
# Included from the top-level CMakeLists.txt after the sprite sheet's file, whose build-machine
# tools folder it shares when cross-building.
#
# vandrel_merge_texts(INPUT OUTPUT): the command that writes OUTPUT, the template file INPUT
# with each "{{context}}" line repeated for every language (see tools/catalogue/main.cpp); a
# target that depends on OUTPUT runs it.

# The language spoken when the player's system asks for none the program has.
set(VANDREL_DEFAULT_LANGUAGE zh_CN)

if(CMAKE_CROSSCOMPILING AND VANDREL_HOST_TOOLS_DIR)
  set(VANDREL_CATALOGUE_TOOL ${VANDREL_HOST_TOOLS_DIR}/vandrel-catalogue)
  set(VANDREL_CATALOGUE_TOOL_DEPENDS ${VANDREL_CATALOGUE_TOOL})
elseif(CMAKE_CROSSCOMPILING)
  set(VANDREL_CATALOGUE_TOOL ${VANDREL_HOST_DIR}/vandrel-catalogue)
  set(VANDREL_CATALOGUE_TOOL_DEPENDS vandrel_host_tools ${VANDREL_CATALOGUE_TOOL})
else()
  file(GLOB VANDREL_CATALOGUE_TOOL_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/tools/catalogue/*.cpp)
  add_executable(vandrel-catalogue ${VANDREL_CATALOGUE_TOOL_SOURCES})
  target_include_directories(vandrel-catalogue PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  set(VANDREL_CATALOGUE_TOOL $<TARGET_FILE:vandrel-catalogue>)
  set(VANDREL_CATALOGUE_TOOL_DEPENDS vandrel-catalogue)
endif()

file(GLOB VANDREL_CATALOGUES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/po/*.po)
file(GLOB_RECURSE VANDREL_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/res/help/*.html)
set(VANDREL_CATALOGUE_ARGS ${CMAKE_CURRENT_SOURCE_DIR}/po/vandrel.pot ${VANDREL_DEFAULT_LANGUAGE}
  ${CMAKE_CURRENT_SOURCE_DIR}/res/help ${VANDREL_CATALOGUES})
set(VANDREL_CATALOGUE_DEPENDS ${VANDREL_CATALOGUE_TOOL_DEPENDS}
  ${CMAKE_CURRENT_SOURCE_DIR}/po/vandrel.pot ${VANDREL_CATALOGUES} ${VANDREL_HELP_SOURCES})

set(VANDREL_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(VANDREL_TEXT_SOURCES ${VANDREL_GENERATED_DIR}/res/text_ids.h
  ${VANDREL_GENERATED_DIR}/res/catalogue_data.h)
# Every character the game's picture draws in any language, for the browser's font.
set(VANDREL_CANVAS_TEXT ${VANDREL_GENERATED_DIR}/canvas_text.txt)
add_custom_command(OUTPUT ${VANDREL_TEXT_SOURCES} ${VANDREL_CANVAS_TEXT}
  COMMAND ${VANDREL_CATALOGUE_TOOL} program ${VANDREL_GENERATED_DIR} ${VANDREL_CATALOGUE_ARGS}
  DEPENDS ${VANDREL_CATALOGUE_DEPENDS}
  COMMENT "Compiling the catalogues of texts"
  VERBATIM)
add_custom_target(vandrel_texts DEPENDS ${VANDREL_TEXT_SOURCES} ${VANDREL_CANVAS_TEXT})

function(vandrel_merge_texts input output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${VANDREL_CATALOGUE_TOOL} merge ${input} ${output} ${VANDREL_CATALOGUE_ARGS}
    DEPENDS ${input} ${VANDREL_CATALOGUE_DEPENDS}
    VERBATIM)
endfunction()
