# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds a MIME database from our type alone and checks that it knows the register file:
# update-mime-database reads the XML as a desktop would.
# cmake -DUPDATE_MIME_DATABASE=... -DMIME_XML=... -DWORK_DIR=... -P MimeType.cmake

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/packages")
configure_file("${MIME_XML}" "${WORK_DIR}/packages/quorex.xml" COPYONLY)
execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${WORK_DIR}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "[Ee]rror|[Ww]arning")
  message(FATAL_ERROR "update-mime-database (${result}):\n${output}")
endif()

file(READ "${WORK_DIR}/globs2" globs)
if(NOT globs MATCHES ":application/x-rquorex:\\*\\.rquorex")
  message(FATAL_ERROR "No glob *.rquorex for application/x-rquorex:\n${globs}")
endif()
file(READ "${WORK_DIR}/subclasses" subclasses)
if(NOT subclasses MATCHES "application/x-rquorex text/plain")
  message(FATAL_ERROR "application/x-rquorex is no kind of text/plain:\n${subclasses}")
endif()
if(NOT EXISTS "${WORK_DIR}/application/x-rquorex.xml")
  message(FATAL_ERROR "update-mime-database wrote no application/x-rquorex.xml")
endif()
