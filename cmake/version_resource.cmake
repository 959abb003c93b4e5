# The version resource of the Windows programs: what Explorer shows in a program's Properties
# (version, product, description, copyright), from the project's version and
# packaging/identity.cmake.
#
# vandrel_version_resource(TARGET DESCRIPTION): compiles one into the executable TARGET, whose
# file is TARGET.exe, with DESCRIPTION as its FileDescription.
enable_language(RC)

function(vandrel_version_resource target description)
  # The numeric form has four parts; "1.0" is 1,0,0,0.
  set(parts ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH}
            ${PROJECT_VERSION_TWEAK})
  set(numbers)
  foreach(part IN LISTS parts)
    if(part STREQUAL "")
      set(part 0)
    endif()
    list(APPEND numbers ${part})
  endforeach()
  string(REPLACE ";" "," VANDREL_VERSION_NUMBERS "${numbers}")
  set(VANDREL_FILE_DESCRIPTION "${description}")
  set(VANDREL_ORIGINAL_FILENAME "${target}.exe")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
