# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows zip holds exactly what LIESMICH.txt promises, its texts read right in Notepad
# (UTF-8 mark, CR LF, the version filled in), and every file the relink commands name is in
# the relink package.
#   cmake -DPACKAGE=<build-windows/package> -DVERSION=x.y.z -P WindowsPackage.cmake
cmake_minimum_required(VERSION 3.22)

set(name quorex-${VERSION}-windows-x86_64)
set(work ${PACKAGE}/package-check)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
foreach(zip ${name} ${name}-relink)
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${PACKAGE}/${zip}.zip
                  WORKING_DIRECTORY ${work} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${zip}.zip does not unpack")
  endif()
endforeach()

file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${work}/${name} ${work}/${name}/*)
list(SORT found)
set(expected LIESMICH.txt LIZENZ.txt Lizenzen/GPL-3.0-only.txt Lizenzen/LGPL-3.0-only.txt
             Lizenzen/Qt-qtbase-copyright.txt quorex-cli.exe quorex.exe)
if(NOT found STREQUAL expected)
  message(SEND_ERROR "The zip holds\n  ${found}\nnot\n  ${expected}")
endif()

foreach(text LIESMICH.txt LIZENZ.txt)
  file(READ ${work}/${name}/${text} hex HEX)
  file(READ ${work}/${name}/${text} content)
  # One byte after each ";": without its CR LF pairs a text has no CR and no LF left.
  string(REGEX REPLACE "(..)" ";\\1" bytes "${hex}")
  string(REPLACE ";0d;0a" "" unpaired "${bytes}")
  if(NOT bytes MATCHES "^;ef;bb;bf" OR unpaired MATCHES ";0[ad]" OR bytes STREQUAL unpaired)
    message(SEND_ERROR "${text}: no UTF-8 mark, or lines not ending in one CR LF")
  endif()
  string(FIND "${content}" "@VERSION" placeholder)
  string(FIND "${content}" " ${VERSION}" version)
  if(placeholder GREATER -1 OR version EQUAL -1)
    message(SEND_ERROR "${text}: the version is not filled in")
  endif()
endforeach()

file(READ ${work}/${name}/LIZENZ.txt licence)
if(NOT licence MATCHES "GPL-3\\.0-or-later" OR NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE[\r\n ]+Version 3"
   OR NOT licence MATCHES "LGPLv3")
  message(SEND_ERROR "LIZENZ.txt: not the GPL-3.0-or-later notice with the GPL's text and Qt's LGPL notice")
endif()

# relink.sh names our objects relative to its folder and Qt's as "$QT/...".
file(STRINGS ${work}/${name}-relink/relink.sh commands REGEX "^\"\\$CXX\"")
list(LENGTH commands count)
if(NOT count EQUAL 2)
  message(SEND_ERROR "relink.sh holds ${count} link commands, not 2")
endif()
string(REGEX MATCHALL " src/[^ ]+\\.(obj|a|res)" objects "${commands}")
if(NOT objects)
  message(SEND_ERROR "relink.sh names none of the program's objects")
endif()
foreach(object IN LISTS objects)
  string(STRIP "${object}" object)
  if(NOT EXISTS ${work}/${name}-relink/${object})
    message(SEND_ERROR "The relink package lacks ${object}")
  endif()
endforeach()
file(REMOVE_RECURSE ${work})
