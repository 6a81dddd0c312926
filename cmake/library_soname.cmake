# SPDX-License-Identifier: GPL-3.0-or-later
# tonalis_library_soname(out library): the name `library` (a path to a shared library) gives
# itself, by which the program loads it at run time, e.g. "libfluidsynth.so.3".
function(tonalis_library_soname out library)
  execute_process(COMMAND ${CMAKE_READELF} -d ${library}
    OUTPUT_VARIABLE dynamic_section COMMAND_ERROR_IS_FATAL ANY)
  if(NOT dynamic_section MATCHES "Library soname: \\[([^]]+)\\]")
    message(FATAL_ERROR "${library} names no SONAME")
  endif()
  set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
