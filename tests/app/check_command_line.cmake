# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program with --help, --version and an unknown option where there is no display, and
# the chord tool with --version. Expects PROGRAM, CHORD_TOOL and VERSION.

function(run)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
      ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code TIMEOUT 60)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(code "${code}" PARENT_SCOPE)
endfunction()

function(fail what)
  message(FATAL_ERROR "${what}: exit ${code}\nstdout [${out}]\nstderr [${err}]")
endfunction()

run(${PROGRAM} --help)
if(NOT code STREQUAL "0" OR NOT out MATCHES "^Usage: tonalis \\[options\\]\n" OR NOT out MATCHES "--version")
  fail("--help prints the usage and exits 0")
endif()
if(out MATCHES "platform")
  fail("--help lists Qt's own options, which --help-all shows")
endif()

run(${PROGRAM} --version)
if(NOT code STREQUAL "0" OR NOT out STREQUAL "tonalis ${VERSION}\n" OR NOT err STREQUAL "")
  fail("--version")
endif()

# Qt's own options do not count as unknown: with one, --version still answers.
run(${PROGRAM} -platform offscreen --version)
if(NOT code STREQUAL "0" OR NOT out STREQUAL "tonalis ${VERSION}\n")
  fail("a Qt option before --version")
endif()

foreach(bad "--no-such-option" "-x" "stray")
  run(${PROGRAM} ${bad})
  if(NOT code STREQUAL "2" OR NOT out STREQUAL "" OR NOT err MATCHES "^tonalis: .*Usage: tonalis")
    fail("${bad}: the usage on standard error and exit 2")
  endif()
endforeach()

run(${CHORD_TOOL} --version)
if(NOT code STREQUAL "0" OR NOT out STREQUAL "tonalis-chord ${VERSION}\n")
  fail("tonalis-chord --version")
endif()
