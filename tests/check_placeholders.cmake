# Fails when a file of the source tree still names a placeholder address where a real one (or
# none at all) belongs: the documentation domains "example" dot "org" and dot "com", and the
# reverse-DNS prefix "org" dot "example" of a made-up application id. Build and package
# folders (build*/, dist/, .cache/), the repository's own .git/ and the packages npm installs
# for the browser tests (node_modules/, not ours and not in the tree) are passed over.
# Run as: cmake -DROOT=<source folder> -P check_placeholders.cmake
cmake_minimum_required(VERSION 3.22)

# Spelled in pieces, so that this file does not find itself.
set(dot ".")
set(placeholders "example${dot}org" "example${dot}com" "org${dot}example")

file(GLOB entries RELATIVE ${ROOT} ${ROOT}/* ${ROOT}/.*)
set(files)
foreach(entry ${entries})
  if(entry MATCHES "^(build.*|dist|\\.cache|\\.git)$")
    continue()
  elseif(IS_DIRECTORY ${ROOT}/${entry})
    file(GLOB_RECURSE inside RELATIVE ${ROOT} ${ROOT}/${entry}/*)
    list(FILTER inside EXCLUDE REGEX "(^|/)node_modules/")
    list(APPEND files ${inside})
  else()
    list(APPEND files ${entry})
  endif()
endforeach()

list(FILTER files EXCLUDE REGEX "(^|/)node_modules/")

set(found 0)
foreach(path ${files})
  file(READ ${ROOT}/${path} text)
  string(TOLOWER "${text}" text)
  foreach(placeholder ${placeholders})
    string(FIND "${text}" "${placeholder}" at)
    if(NOT at EQUAL -1)
      message(SEND_ERROR "${path} names the placeholder ${placeholder}")
      math(EXPR found "${found} + 1")
    endif()
  endforeach()
endforeach()
list(LENGTH files count)
if(found GREATER 0)
  message(FATAL_ERROR "${found} placeholder addresses in ${count} files")
endif()
message(STATUS "placeholders: none in ${count} files")
