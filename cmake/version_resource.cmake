# The version of the Windows programs as Windows shows it: the version resource that Explorer
# shows in a program's Properties (version, product, description, copyright), and what the
# installer writes into Settings → Apps. Both come from the project's version and
# packaging/identity.cmake.
enable_language(RC)

# The numeric version has four parts; "1.0" is 1,0,0,0.
set(version_parts "${PROJECT_VERSION_MAJOR}" "${PROJECT_VERSION_MINOR}" "${PROJECT_VERSION_PATCH}"
                  "${PROJECT_VERSION_TWEAK}")
set(version_numbers)
foreach(part IN LISTS version_parts)
  if(part STREQUAL "")
    set(part 0)
  endif()
  list(APPEND version_numbers ${part})
endforeach()
string(REPLACE ";" "," VANDREL_VERSION_NUMBERS "${version_numbers}")
string(REPLACE ";" "." VANDREL_VERSION_DOTTED "${version_numbers}")

# For scripts/package-windows.sh: the installer's identity, beside the programs.
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/identity.nsh.in
  ${CMAKE_BINARY_DIR}/identity.nsh @ONLY)

# vandrel_version_resource(TARGET DESCRIPTION): compiles a version resource into the
# executable TARGET, whose file is TARGET.exe, with DESCRIPTION as its FileDescription.
function(vandrel_version_resource target description)
  set(VANDREL_FILE_DESCRIPTION "${description}")
  set(VANDREL_INTERNAL_NAME "${target}")
  set(VANDREL_ORIGINAL_FILENAME "${target}.exe")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
