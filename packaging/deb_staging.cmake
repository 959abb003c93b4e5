# Run by cpack after it has installed the files into its staging folder and before it packs
# them. For Debian the program moves to /usr/games, where it still finds its data in
# ../share/vandrel, and loses the sections a Debian package strips too (dh_strip's options);
# lintian learns which of its remarks do not apply.
# Other packages keep the install rules' bin/.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
  file(MAKE_DIRECTORY ${usr}/games)
  file(RENAME ${usr}/bin/vandrel ${usr}/games/vandrel)
  file(REMOVE_RECURSE ${usr}/bin)
  execute_process(COMMAND ${CPACK_VANDREL_STRIP} --remove-section=.comment --remove-section=.note
                          ${usr}/games/vandrel
                  COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY ${usr}/share/lintian/overrides)
  file(COPY_FILE ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides ${usr}/share/lintian/overrides/vandrel)
endif()
