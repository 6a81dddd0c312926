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

function(expect what condition)
  if(NOT ${condition})
    message(FATAL_ERROR "${what}: exit ${code}\nstdout [${out}]\nstderr [${err}]")
  endif()
endfunction()

run(${PROGRAM} --help)
expect("--help exits 0" "code STREQUAL 0")
expect("--help prints the usage" "out MATCHES \"^Usage: tonalis \\\\[options\\\\]\"")
expect("--help lists --version" "out MATCHES \"--version\"")
expect("--help hides Qt's options" "NOT out MATCHES \"platform\"")

run(${PROGRAM} --version)
expect("--version" "code STREQUAL 0 AND out STREQUAL \"tonalis ${VERSION}\n\" AND err STREQUAL \"\"")

# Qt's own options do not count as unknown: with one, --version still answers.
run(${PROGRAM} -platform offscreen --version)
expect("a Qt option" "code STREQUAL 0 AND out STREQUAL \"tonalis ${VERSION}\n\"")

foreach(bad "--no-such-option" "-x" "stray")
  run(${PROGRAM} ${bad})
  expect("${bad} exits 2" "code STREQUAL 2 AND out STREQUAL \"\"")
  expect("${bad} gives the usage on stderr" "err MATCHES \"^tonalis: .*Usage: tonalis\"")
endforeach()

run(${CHORD_TOOL} --version)
expect("tonalis-chord --version" "code STREQUAL 0 AND out STREQUAL \"tonalis-chord ${VERSION}\n\"")
