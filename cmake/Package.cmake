# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package (scripts/package.sh): quorex_<version>_<arch>.deb with everything that
# `cmake --install` puts in place. Its library dependencies come from dpkg-shlibdeps, so they
# name the Qt packages of the distribution it was built on.

set(QUOREX_MAINTAINER "Quorex-Entwicklung <quorex@example.org>"
  CACHE STRING "Maintainer field of the package: name and e-mail address")

# Debian wants both in /usr/share/doc/quorex of every package: the copyright, and the changelog
# compressed (gzip -9n, so the same sources give the same bytes). Installed by `cmake --install`
# as well, so the package is exactly what an install holds.
if(UNIX AND NOT APPLE)
  include(${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake)
  set(quorex_changelog ${CMAKE_BINARY_DIR}/debian/changelog)
  quorex_debian_changelog(${PROJECT_SOURCE_DIR}/NEWS.md ${quorex_changelog} "${QUOREX_MAINTAINER}")
  if(QUOREX_GZIP)
    add_custom_command(OUTPUT ${quorex_changelog}.gz
      COMMAND ${QUOREX_GZIP} -9nkf ${quorex_changelog}
      DEPENDS ${quorex_changelog}
      COMMENT "Compressing the Debian changelog"
      VERBATIM)
    set(quorex_changelog ${quorex_changelog}.gz)
  endif()
  add_custom_target(quorex_debian_changelog ALL DEPENDS ${quorex_changelog})
  install(FILES resources/debian/copyright ${quorex_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorex)
endif()

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
