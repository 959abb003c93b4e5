# The packages that `cpack` makes from the install rules (scripts/package.sh runs it).
#
# Debian: everything follows the install rules under /usr, but the program goes to /usr/games
# (deb_staging.cmake moves it there in cpack's staging folder). The
# libraries it needs come from dpkg-shlibdeps; the font that serves the game's Chinese texts,
# Qt's Chinese translations and Qt's platform plugins (only recommended by Qt) are named here.

set(CPACK_PACKAGE_NAME vandrel)
set(CPACK_PACKAGE_VENDOR "${VANDREL_DEVELOPERS}")
set(CPACK_PACKAGE_CONTACT "${VANDREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pipe-laying puzzle game")
set(CPACK_PACKAGE_DESCRIPTION
"Lay pipe pieces from a queue on a board of 16 by 16 squares while water creeps
from the source through the pipes. Every square the water moves on earns
points, the drain earns a bonus, and spilled water costs points. The ten best
games are kept on a leaderboard, and games can be saved and opened again.")
if(VANDREL_HOME_URL)
  set(CPACK_PACKAGE_HOMEPAGE_URL "${VANDREL_HOME_URL}")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_VANDREL_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb_staging.cmake)

set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-zenhei, qt6-translations-l10n, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The change log's newest entry names the version the package gets, and is signed by the
# package's maintainer.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^vandrel \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with version ${PROJECT_VERSION}")
endif()
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_signature REGEX "^ -- " LIMIT_COUNT 1)
string(FIND "${changelog_signature}" " -- ${VANDREL_MAINTAINER}  " signed_at)
if(NOT signed_at EQUAL 0)
  message(FATAL_ERROR "packaging/changelog's newest entry is not signed by ${VANDREL_MAINTAINER}")
endif()

# Installing (and so cpack) takes what the program's target built, with its pages, pictures
# and documents, instead of building every test and benchmark first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

include(CPack)
