# SPDX-License-Identifier: GPL-3.0-or-later
# The program must not link what it loads only when it is needed: each of these libraries
# brings dozens more that would be loaded before the splash is painted.
# Expects PROGRAM and READELF.
execute_process(COMMAND "${READELF}" -d "${PROGRAM}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${READELF} -d ${PROGRAM} failed: ${result}")
endif()
foreach(library libQt6PrintSupport libfluidsynth libcups)
  if(dynamic MATCHES "NEEDED[^\n]*\\[${library}\\.")
    message(FATAL_ERROR "${PROGRAM} links ${library}")
  endif()
endforeach()
