# The instructions and contact pages ship in help/ beside the executable, with the pictures of
# the pieces and buttons drawn from the sprite sheet by vandrel-help-pictures. The default
# language's pages lie in help/ itself, every other language's in help/<code>/, as in res/help.
#
# vandrel_help_pages(TARGET PICTURE_TOOL DEPENDS...): the target that puts them into
# ${CMAKE_BINARY_DIR}/help, with PICTURE_TOOL the generator to run (on the build machine) and
# DEPENDS what running it waits for.
function(vandrel_help_pages target tool)
  set(help_dir ${CMAKE_BINARY_DIR}/help)
  set(outputs ${help_dir}/pictures/source.png)
  file(GLOB_RECURSE pages RELATIVE ${PROJECT_SOURCE_DIR}/res/help CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/res/help/*.html)
  foreach(page ${pages})
    list(APPEND outputs ${help_dir}/${page})
    add_custom_command(OUTPUT ${help_dir}/${page}
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/res/help/${page} ${help_dir}/${page}
      DEPENDS ${PROJECT_SOURCE_DIR}/res/help/${page}
      VERBATIM)
  endforeach()
  add_custom_command(OUTPUT ${help_dir}/pictures/source.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${help_dir}/pictures
    COMMAND ${tool} ${help_dir}/pictures
    DEPENDS ${ARGN}
    COMMENT "Drawing the pictures of the instructions page"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
