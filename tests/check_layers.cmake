# Fails when a source file includes a header of a layer above its own. The layers, lowest
# first; a folder may include its own headers and those of lower layers only:
#   0  platform (interfaces and operating-system services), res (resources as data)
#   1  model
#   2  game
#   3  view, storage (side by side: neither includes the other)
#   4  app
#   5  the back ends: platform/qt, platform/scripted, platform/win32
# Run as: cmake -DROOT=<source folder> -P check_layers.cmake

function(layer_of path out_rank out_group)
  if(path MATCHES "^platform/(qt|scripted|win32)/")
    set(rank 5)
    set(group "backend")
  elseif(path MATCHES "^(platform|res)/")
    set(rank 0)
    set(group "base")
  elseif(path MATCHES "^model/")
    set(rank 1)
    set(group "model")
  elseif(path MATCHES "^game/")
    set(rank 2)
    set(group "game")
  elseif(path MATCHES "^view/")
    set(rank 3)
    set(group "view")
  elseif(path MATCHES "^storage/")
    set(rank 3)
    set(group "storage")
  elseif(path MATCHES "^app/")
    set(rank 4)
    set(group "app")
  else()
    set(rank 6)
    set(group "outside")
  endif()
  set(${out_rank} ${rank} PARENT_SCOPE)
  set(${out_group} ${group} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${ROOT}
  ${ROOT}/platform/*.h ${ROOT}/platform/*.cpp ${ROOT}/res/*.h ${ROOT}/res/*.cpp
  ${ROOT}/model/*.h ${ROOT}/model/*.cpp ${ROOT}/game/*.h ${ROOT}/game/*.cpp
  ${ROOT}/view/*.h ${ROOT}/view/*.cpp ${ROOT}/storage/*.h ${ROOT}/storage/*.cpp
  ${ROOT}/app/*.h ${ROOT}/app/*.cpp)
set(violations 0)
foreach(source ${sources})
  layer_of(${source} rank group)
  file(STRINGS ${ROOT}/${source} includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    layer_of(${header} header_rank header_group)
    if(header_rank GREATER rank OR (header_rank EQUAL rank AND NOT header_group STREQUAL group
                                    AND NOT rank EQUAL 0))
      message(SEND_ERROR "${source} (${group}) includes ${header} (${header_group}), a layer above")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()
list(LENGTH sources count)
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} upward includes in ${count} files")
endif()
message(STATUS "layers: ${count} files, every include points down")
