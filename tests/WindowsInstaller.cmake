# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Tries the Windows installer under Wine the way an administrator rolls it out, silently (/S),
# in a Wine prefix of its own made afresh, so nothing left from an earlier run can pass for it:
# the files, the Start menu entry and the file type are there and the installed quorex-cli runs;
# then the uninstaller removes all of them.
#   cmake -DSETUP=QuorexSetup-x.y.z.exe -DVERSION=x.y.z -DPREFIX=<new wine prefix>
#         [-DWINE_DIR=/usr/bin] -P WindowsInstaller.cmake

if(NOT WINE_DIR)
  set(WINE_DIR /usr/bin)
endif()
set(ENV{WINEPREFIX} "${PREFIX}")
set(ENV{WINEDEBUG} -all)
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})

function(wine_run out)
  execute_process(COMMAND ${ARGN} TIMEOUT 180 RESULT_VARIABLE rc OUTPUT_VARIABLE text
                  ERROR_VARIABLE text)
  # Every process of the prefix, the uninstaller's copy of itself in TEMP included.
  execute_process(COMMAND ${WINE_DIR}/wineserver -w TIMEOUT 180)
  set(${out}_rc "${rc}" PARENT_SCOPE)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(query_default key out)
  wine_run(answer ${WINE_DIR}/wine reg query "${key}" /ve)
  set(${out} "${answer}" PARENT_SCOPE)
  set(${out}_rc "${answer_rc}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
wine_run(boot ${WINE_DIR}/wineboot -i)
if(NOT boot_rc EQUAL 0)
  message(FATAL_ERROR "wineboot failed (${boot_rc}): ${boot}")
endif()

set(dir "${PREFIX}/drive_c/Program Files/Quorex")
set(link "${PREFIX}/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorex Programmiersoftware.lnk")
set(files quorex.exe quorex-cli.exe LIESMICH.txt LIZENZ.txt Deinstallieren.exe
          Lizenzen/LGPL-3.0-only.txt Lizenzen/GPL-3.0-only.txt Lizenzen/Qt-qtbase-copyright.txt)
set(class_key "HKLM\\Software\\Classes\\Quorex.Registerdatei")

wine_run(install ${WINE_DIR}/wine "${SETUP}" /S)
if(NOT install_rc EQUAL 0)
  message(SEND_ERROR "The installer ended with ${install_rc}: ${install}")
endif()
foreach(file IN LISTS files)
  if(NOT EXISTS "${dir}/${file}")
    message(SEND_ERROR "Not installed: ${file}")
  endif()
endforeach()
if(NOT EXISTS "${link}")
  message(SEND_ERROR "No Start menu entry")
endif()

query_default("HKLM\\Software\\Classes\\.rquorex" extension)
if(NOT extension MATCHES "REG_SZ[ \t]+Quorex\\.Registerdatei")
  message(SEND_ERROR ".rquorex is not registered: ${extension}")
endif()
query_default("${class_key}\\shell\\open\\command" command)
string(FIND "${command}" "\"C:\\Program Files\\Quorex\\quorex.exe\" \"%1\"" at)
if(at EQUAL -1)
  message(SEND_ERROR "A register file does not open in quorex.exe: ${command}")
endif()

wine_run(version ${WINE_DIR}/wine "${dir}/quorex-cli.exe" --version)
if(NOT version MATCHES "quorex-cli ${VERSION}")
  message(SEND_ERROR "The installed quorex-cli says: ${version}")
endif()

wine_run(uninstall ${WINE_DIR}/wine "${dir}/Deinstallieren.exe" /S)
if(NOT uninstall_rc EQUAL 0)
  message(SEND_ERROR "The uninstaller ended with ${uninstall_rc}: ${uninstall}")
endif()
foreach(gone "${dir}" "${link}")
  if(EXISTS "${gone}")
    message(SEND_ERROR "Still there after uninstalling: ${gone}")
  endif()
endforeach()
foreach(key "HKLM\\Software\\Classes\\.rquorex" "${class_key}"
            "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorex")
  query_default("${key}" left)
  if(left_rc EQUAL 0)
    message(SEND_ERROR "Still in the registry after uninstalling: ${key}")
  endif()
endforeach()
