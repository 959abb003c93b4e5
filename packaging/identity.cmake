# Who makes Vandrel and where to reach the project: the one place that names them for the
# program's --version and version resources, the packages and their metadata. LICENSE,
# packaging/copyright and the change log's trailer repeat them as plain text; the package build
# fails when the change log's maintainer differs from the one here.

set(VANDREL_DEVELOPERS "The Vandrel developers")
# The application id: the names of the desktop entry, the icon and the AppStream data in
# res/, and the desktop file name the program gives the window system.
set(VANDREL_APP_ID io.github.vandrel.Vandrel)
set(VANDREL_COPYRIGHT "Copyright (C) 2026 ${VANDREL_DEVELOPERS}")

# The project's home page, as https://... . Empty while the project has none: the Debian
# package's Homepage field, the AppStream homepage link and the Windows uninstall entry's
# URLInfoAbout are then left out rather than pointed anywhere.
set(VANDREL_HOME_URL "")

# The Debian package's Maintainer field, which must hold a mail address. The project has no
# public one yet, so it names the reserved domain .invalid (RFC 2606), which no mail ever
# reaches; replace it (and the change log's trailer) once there is a real address.
set(VANDREL_MAINTAINER "${VANDREL_DEVELOPERS} <maintainers@vandrel.invalid>")
