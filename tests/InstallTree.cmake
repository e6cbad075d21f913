# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into PREFIX and checks what arrived: exactly the expected files, icons of
# the size their folder names, the version where it belongs, and programs that run from there.
# cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DAPP_ID=... -DMAN_SUFFIX=.1.gz
#       -DWITH_CLI=0|1 -P InstallTree.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(sizes 16 22 24 32 48 64 128 256)
set(programs quorex quorex-sim)
if(WITH_CLI)
  list(APPEND programs quorex-cli)
endif()

set(expected
  share/applications/quorex.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/mime/packages/quorex.xml
  share/icons/hicolor/scalable/apps/quorex.svg)
foreach(size IN LISTS sizes)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/quorex.png)
endforeach()
foreach(program IN LISTS programs)
  list(APPEND expected bin/${program} share/man/man1/${program}${MAN_SUFFIX})
endforeach()
# The changelog is compressed where the manual pages are.
string(REPLACE ".1" "" doc_suffix "${MAN_SUFFIX}")
list(APPEND expected share/doc/quorex/copyright share/doc/quorex/changelog${doc_suffix})

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "Installed files differ.\nMissing: ${missing}\nNot expected: ${extra}")
endif()

# A PNG keeps its width and height in the IHDR chunk, bytes 16 to 23.
foreach(size IN LISTS sizes)
  file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/quorex.png" header
    OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width)
  string(SUBSTRING "${header}" 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "The ${size}x${size} icon is ${width}x${height}.")
  endif()
endforeach()

file(READ "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<project_license>GPL-3.0-or-later</project_license>")
  message(FATAL_ERROR "The metainfo names another licence than GPL-3.0-or-later.")
endif()
file(READ "${PREFIX}/share/doc/quorex/copyright" copyright)
if(NOT copyright MATCHES "\nFiles: \\*\nCopyright: 2026 Quorex-Entwicklung\nLicense: GPL-3\\+\n"
   OR NOT copyright MATCHES "/usr/share/common-licenses/GPL-3")
  message(FATAL_ERROR "The package's copyright does not give the GPL-3+ for all files.")
endif()
if(NOT metainfo MATCHES "<release version=\"${VERSION}\" date=\"[0-9]+-[0-9]+-[0-9]+\"")
  message(FATAL_ERROR "The metainfo names no release ${VERSION} with a date.")
endif()

# Run from the installed place, not the build tree. No window system is needed for --version.
foreach(program IN LISTS programs)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY QT_QPA_PLATFORM=no-such-platform
      "${PREFIX}/bin/${program}" --version
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT output MATCHES "^${program} ${VERSION}\nCopyright 2026 Quorex-Entwicklung\nLizenz GPLv3\\+: GNU GPL Version 3 oder neuer .*KEINE GARANTIE")
    message(FATAL_ERROR "Installed ${program} --version: exit ${result}, \"${output}\" ${errors}")
  endif()
endforeach()

list(LENGTH installed count)
message(STATUS "${count} files installed as expected into ${PREFIX}")
