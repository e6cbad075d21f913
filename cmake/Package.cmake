# The Debian package (scripts/package.sh): quorex_<version>_<arch>.deb with everything that
# `cmake --install` puts in place. Its library dependencies come from dpkg-shlibdeps, so they
# name the Qt packages of the distribution it was built on.

set(QUOREX_MAINTAINER "Quorex-Entwicklung <quorex@example.org>"
  CACHE STRING "Maintainer field of the package: name and e-mail address")

set(CPACK_PACKAGE_NAME quorex)
set(CPACK_PACKAGE_VENDOR "Quorex-Entwicklung")
set(CPACK_PACKAGE_CONTACT "${QUOREX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# One string with its own line breaks: dpkg shows the lines as they are.
set(CPACK_PACKAGE_DESCRIPTION "\
Liest die 200 EEPROM-Register einer Quorex-Funkbedienkonsole über die
serielle Schnittstelle (9600 Baud, 8N1), zeigt ihre Einstellungen auf
Konfigurationsseiten, schreibt sie zurück und speichert sie in
Registerdateien (*.rquorex). Mit simulierter Konsole (quorex-sim) zum
Ausprobieren ohne Gerät.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt's own German texts (file dialogs, standard buttons); without them those stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
endif()

include(CPack)
