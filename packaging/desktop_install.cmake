# The game's place on a Unix desktop: the menu entry, the icon in every size, the saved-game
# file type, the AppStream data for software centres, the manual page and the documents.
# Included by the desktop program's CMakeLists after the program's own install rules.
# The application id (packaging/identity.cmake) names the entry, the icon and the AppStream
# data alike.

set(VANDREL_RES ${PROJECT_SOURCE_DIR}/res)
# The entry, the file type and the AppStream data carry every language's texts (po/), filled
# in by vandrel_merge_texts at build time.
set(VANDREL_DESKTOP_FILES ${CMAKE_BINARY_DIR}/desktop)
vandrel_merge_texts(${VANDREL_RES}/${VANDREL_APP_ID}.desktop.in
  ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.desktop)
vandrel_merge_texts(${VANDREL_RES}/vandrel-mime.xml.in ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.xml)
install(FILES ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${VANDREL_ART_DIR}/vandrel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${VANDREL_APP_ID}.png)
endforeach()
install(FILES ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The AppStream data, with the project's addresses where it has them. Its newest release must
# be the version the packages carry.
file(STRINGS ${VANDREL_RES}/${VANDREL_APP_ID}.metainfo.xml.in newest_release
  REGEX "<release version=" LIMIT_COUNT 1)
if(NOT newest_release MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "the AppStream data's newest release is not version ${PROJECT_VERSION}")
endif()
set(VANDREL_METAINFO_URLS "")
if(VANDREL_HOME_URL)
  set(VANDREL_METAINFO_URLS "\n  <url type=\"homepage\">${VANDREL_HOME_URL}</url>")
endif()
configure_file(${VANDREL_RES}/${VANDREL_APP_ID}.metainfo.xml.in
  ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.metainfo.xml.in @ONLY)
vandrel_merge_texts(${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.metainfo.xml.in
  ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.metainfo.xml)
install(FILES ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
add_custom_target(vandrel_desktop_files ALL DEPENDS
  ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.desktop ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.xml
  ${VANDREL_DESKTOP_FILES}/${VANDREL_APP_ID}.metainfo.xml)
add_dependencies(vandrel vandrel_desktop_files)

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
