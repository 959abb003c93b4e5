# Fails when a source file includes a header of a layer above its own, or of a folder that
# stands beside its own. The layers, lowest first; folders named on one line stand side by side:
#   0  platform (interfaces and operating-system services), res (resources as data): these two
#      may use each other
#   1  model
#   2  game
#   3  view, storage
#   4  app
#   5  every folder in frontends/ (the back ends), each on its own
# The back ends are found by listing frontends/, so adding one needs no change here.
# Run as: cmake -DROOT=<source folder> -P check_layers.cmake

set(levels "platform res" "model" "game" "view storage" "app")
file(GLOB frontends RELATIVE ${ROOT} LIST_DIRECTORIES true ${ROOT}/frontends/*)
list(FILTER frontends INCLUDE REGEX "^frontends/[^/]+$")
list(JOIN frontends " " frontend_level)
list(APPEND levels "${frontend_level}")
list(LENGTH levels outside_rank)

# The rank of a path's layer and the folder (its group) that holds it; files outside every
# layer (tools, tests) rank above all of them.
function(layer_of path out_rank out_group)
  set(rank 0)
  foreach(level ${levels})
    string(REPLACE " " ";" folders "${level}")
    foreach(folder ${folders})
      if(path MATCHES "^${folder}/")
        set(${out_rank} ${rank} PARENT_SCOPE)
        set(${out_group} ${folder} PARENT_SCOPE)
        return()
      endif()
    endforeach()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${out_rank} ${outside_rank} PARENT_SCOPE)
  set(${out_group} "outside" PARENT_SCOPE)
endfunction()

set(patterns "")
foreach(level ${levels})
  string(REPLACE " " ";" folders "${level}")
  foreach(folder ${folders})
    list(APPEND patterns ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  endforeach()
endforeach()
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${patterns})

set(violations 0)
foreach(source ${sources})
  layer_of(${source} rank group)
  file(STRINGS ${ROOT}/${source} includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    layer_of(${header} header_rank header_group)
    if(header_rank GREATER rank OR (header_rank EQUAL rank AND NOT header_group STREQUAL group
                                    AND NOT rank EQUAL 0))
      message(SEND_ERROR "${source} (${group}) includes ${header} (${header_group}), a layer above or beside it")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()
list(LENGTH sources count)
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} upward includes in ${count} files")
endif()
message(STATUS "layers: ${count} files, every include points down")
