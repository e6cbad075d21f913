# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian changelog is made from NEWS.md, so the two cannot disagree: every "## <version>
# (<JJJJ-MM-TT>)" starts an entry, every "- " item becomes a "  * " line, and lines indented by
# two blanks continue the item before them. The newest release must be the project's version.
function(quorex_debian_changelog news output maintainer)
  file(READ "${news}" text)
  # CMake lists split at ";" and keep "[...]" together; neither may do so inside a line.
  string(ASCII 1 semicolon)
  string(ASCII 2 open)
  string(ASCII 3 close)
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "[" "${open}" text "${text}")
  string(REPLACE "]" "${close}" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(changelog "")
  set(trailer "")
  set(first_version "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
      set(version "${CMAKE_MATCH_1}")
      # Noon UTC of the release day, in the form dpkg-parsechangelog reads.
      execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2} 12:00"
        OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "${news}: the date of release ${version} is not a date.")
      endif()
      string(APPEND changelog "${trailer}quorex (${version}) stable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${date}\n\n")
      if(first_version STREQUAL "")
        set(first_version "${version}")
      endif()
    elseif(NOT trailer STREQUAL "" AND line MATCHES "^- (.+)$")
      string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
    elseif(NOT trailer STREQUAL "" AND line MATCHES "^  (.+)$")
      string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
  if(NOT first_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${news} begins with release \"${first_version}\", the project is "
      "${PROJECT_VERSION}: say what the new release brings there first.")
  endif()
  string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}${trailer}")
  string(REPLACE "${semicolon}" ";" changelog "${changelog}")
  string(REPLACE "${open}" "[" changelog "${changelog}")
  string(REPLACE "${close}" "]" changelog "${changelog}")
  # Written only when it changed, so the compressed copy is not made again on every run.
  file(WRITE "${output}.new" "${changelog}")
  configure_file("${output}.new" "${output}" COPYONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${news}")
endfunction()
