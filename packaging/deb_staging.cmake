# Run by cpack after it has installed the files into its staging folder and before it packs
# them. For Debian, laid out as its games are: the program moves to /usr/games and its data
# (the help pages and their pictures) to /usr/share/games/vandrel, where the program finds it
# (FindInstallLayout); the program loses the sections a Debian package strips too (dh_strip's
# options); lintian learns which of its remarks do not apply.
# Other packages keep the install rules' bin/ and share/vandrel/.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
  file(MAKE_DIRECTORY ${usr}/games ${usr}/share/games)
  file(RENAME ${usr}/bin/vandrel ${usr}/games/vandrel)
  file(REMOVE_RECURSE ${usr}/bin)
  file(RENAME ${usr}/share/vandrel ${usr}/share/games/vandrel)
  execute_process(COMMAND ${CPACK_VANDREL_STRIP} --remove-section=.comment --remove-section=.note
                          ${usr}/games/vandrel
                  COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY ${usr}/share/lintian/overrides)
  file(COPY_FILE ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides ${usr}/share/lintian/overrides/vandrel)
endif()
