# The game's place on a Unix desktop: the menu entry, the icon in every size, the saved-game
# file type, the AppStream data for software centres, the manual page and the documents.
# Included by the desktop program's CMakeLists after the program's own install rules.

set(VANDREL_RES ${PROJECT_SOURCE_DIR}/res)
install(FILES ${VANDREL_RES}/vandrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${VANDREL_ART_DIR}/vandrel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vandrel.png)
endforeach()
install(FILES ${VANDREL_RES}/vandrel-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vandrel.xml)
install(FILES ${VANDREL_RES}/org.example.vandrel.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the change log go compressed, without a time stamp in the gzip header,
# so that two builds of the same sources give the same files.
set(VANDREL_DOCS_DIR ${CMAKE_BINARY_DIR}/docs)
set(docs_outputs)
foreach(pair "res/vandrel.6:vandrel.6" "packaging/changelog:changelog")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 name)
  add_custom_command(OUTPUT ${VANDREL_DOCS_DIR}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANDREL_DOCS_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source} ${VANDREL_DOCS_DIR}/${name}
    COMMAND gzip -9nf ${VANDREL_DOCS_DIR}/${name}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND docs_outputs ${VANDREL_DOCS_DIR}/${name}.gz)
endforeach()
add_custom_target(vandrel_docs ALL DEPENDS ${docs_outputs})
add_dependencies(vandrel vandrel_docs)
install(FILES ${VANDREL_DOCS_DIR}/vandrel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${VANDREL_DOCS_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vandrel)
