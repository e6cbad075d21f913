# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Where the programs go on `cmake --install` and in the package. The resource files (desktop
# entry, file type, icons, AppStream entry, manual pages) are installed by resources/.

# Windows and macOS have no package manager to bring Qt along: windeployqt/macdeployqt copy
# Qt's libraries and plugins next to the installed program. Not tried on this project's own
# machines (Linux); see README.
option(QUOREX_DEPLOY_QT "Copy the Qt runtime next to the installed program (windeployqt, macdeployqt)" OFF)

if(QUOREX_DEPLOY_QT AND APPLE)
  # macdeployqt works on an application bundle; install(TARGETS) must already see it as one.
  set_target_properties(quorex PROPERTIES
    MACOSX_BUNDLE ON
    MACOSX_BUNDLE_BUNDLE_NAME "Quorex"
    MACOSX_BUNDLE_GUI_IDENTIFIER "${QUOREX_APP_ID}"
    MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION}"
    MACOSX_BUNDLE_SHORT_VERSION_STRING "${PROJECT_VERSION}")
endif()

# Every program this build can have; one that does not exist (yet) is passed over.
set(QUOREX_PROGRAMS quorex quorex-sim quorex-cli)

foreach(program IN LISTS QUOREX_PROGRAMS)
  if(TARGET ${program})
    install(TARGETS ${program}
      RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
      BUNDLE DESTINATION .)
  endif()
endforeach()

if(QUOREX_DEPLOY_QT)
  set(quorex_qt_bin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
  if(WIN32)
    find_program(QUOREX_WINDEPLOYQT windeployqt HINTS "${quorex_qt_bin}" REQUIRED)
    install(CODE "
      execute_process(
        COMMAND \"${QUOREX_WINDEPLOYQT}\" --no-compiler-runtime
                \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quorex.exe\"
        COMMAND_ERROR_IS_FATAL ANY)")
  elseif(APPLE)
    find_program(QUOREX_MACDEPLOYQT macdeployqt HINTS "${quorex_qt_bin}" REQUIRED)
    install(CODE "
      execute_process(
        COMMAND \"${QUOREX_MACDEPLOYQT}\" \"\${CMAKE_INSTALL_PREFIX}/quorex.app\" -always-overwrite
        COMMAND_ERROR_IS_FATAL ANY)")
  else()
    message(WARNING "QUOREX_DEPLOY_QT is for Windows and macOS; on Linux the package "
                    "depends on the distribution's Qt instead.")
  endif()
endif()
