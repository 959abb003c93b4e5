# GB18030 by tables (platform/gb18030/), for the browser, whose C library's converter has no
# GB18030: the tables are read off the build machine's converter by vandrel-gb18030-table at
# build time. Native builds make the library vandrel_gb18030 for the tests that hold it against
# the system's converter; the browser build compiles it into its platform layer. Included from
# the top-level CMakeLists.txt after the sprite sheet, whose host-tool settings it shares.

if(WIN32)
  return()
endif()

if(CMAKE_CROSSCOMPILING AND VANDREL_HOST_TOOLS_DIR)
  set(VANDREL_GB18030_TOOL ${VANDREL_HOST_TOOLS_DIR}/vandrel-gb18030-table)
  set(VANDREL_GB18030_TOOL_DEPENDS ${VANDREL_GB18030_TOOL})
elseif(CMAKE_CROSSCOMPILING)
  set(VANDREL_GB18030_TOOL ${VANDREL_HOST_DIR}/vandrel-gb18030-table)
  set(VANDREL_GB18030_TOOL_DEPENDS vandrel_host_tools ${VANDREL_GB18030_TOOL})
else()
  add_executable(vandrel-gb18030-table ${CMAKE_CURRENT_SOURCE_DIR}/tools/gb18030_table/gb18030_table.cpp)
  target_include_directories(vandrel-gb18030-table PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  set_target_properties(vandrel-gb18030-table PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  set(VANDREL_GB18030_TOOL $<TARGET_FILE:vandrel-gb18030-table>)
  set(VANDREL_GB18030_TOOL_DEPENDS vandrel-gb18030-table)
endif()

set(VANDREL_GB18030_DATA ${CMAKE_CURRENT_BINARY_DIR}/gb18030/gb18030_table_data.cpp)
add_custom_command(OUTPUT ${VANDREL_GB18030_DATA}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gb18030
  COMMAND ${VANDREL_GB18030_TOOL} ${VANDREL_GB18030_DATA}
  DEPENDS ${VANDREL_GB18030_TOOL_DEPENDS}
  COMMENT "Reading the GB18030 tables off the build machine's converter"
  VERBATIM)
set(VANDREL_GB18030_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/platform/gb18030/gb18030_table.cpp
  ${VANDREL_GB18030_DATA})
