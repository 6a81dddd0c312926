# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tonalis-chord on a few inputs and checks what it prints and how it exits.
# Expects TOOL (the program) and WORK_DIR (for the batch input file).

# Runs the tool with `input_file` (or nothing) on standard input and the remaining arguments.
function(run_tool input_file)
  if(input_file)
    set(input INPUT_FILE ${input_file})
  endif()
  execute_process(COMMAND ${TOOL} ${ARGN} ${input}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(code "${code}" PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what}: expected\n[${expected}]\nbut got\n[${actual}]")
  endif()
endfunction()

# One chord as names and as numbers: the readings, best first, one per line.
run_tool("" C4 E4 G4 A4)
expect("names" "${code}:${out}" "0:Am7/C\nC6\n")
run_tool("" 64 67 69 72)
expect("numbers" "${code}:${out}" "0:Am7/E\nC6/E\n")

# The two habits of naming, and a key: spelled from it, each reading with its numeral.
run_tool("" --style lead-sheet C4 E4 G4 A4)
expect("lead-sheet style" "${code}:${out}" "0:C6\nAm7/C\n")
run_tool("" --style analysis --key "C major" F3 A3 C4 D4)
expect("key" "${code}:${out}" "0:Dm7/F — ii6/5 in C\nF6 — IV(6) in C\n")
run_tool("" --key "g minor" 66 72 75 81)
expect("key spelling" "${code}:${out}" "0:F♯dim7 — viio7 in g\nAdim7/F♯ — iio2 in g\nD♯dim7/F♯ — ♯vo6/5 in g\nCdim7/F♯ — ivo4/3 in g\nAdim/F♯ — iio in g\n")
# Notes given by name keep their names.
run_tool("" "C#3" E3 "A#3")
expect("given names" "${code}:${out}" "0:A♯dim/C♯\nF♯7(no root)/C♯\n")
# A note heard as foreign to the chord, after the readings of the notes as they stand.
run_tool("" --key "G major" B2 D4 A4)
expect("foreign note" "${code}:${out}" "0:Bm7no5 — iii(m7no5) in G\nG/B (A for G) — I6 in G\nG♯dim/B (A for G♯) — viio6/ii in G\n")
foreach(bad "--key;H minor" "--style;jazz" "--key")
  run_tool("" ${bad} C4 E4 G4)
  expect("bad option ${bad}" "${code}:${out}" "2:")
endforeach()
run_tool("" --plain Eb4 G4 Bb4 Db5)
expect("plain accidentals" "${code}:${out}" "0:Eb7\nGdim/Eb\n")
run_tool("" 0 127)
expect("the whole MIDI range" "${code}:${out}" "0:C5\nperfect fifth plus ten octaves\n")

# Bad single chords: a message on standard error, exit code 2, nothing on standard output.
foreach(bad "C4;H4" "60;128" "C4")
  run_tool("" ${bad})
  expect("bad input ${bad}" "${code}:${out}" "2:")
  if(err STREQUAL "")
    message(FATAL_ERROR "bad input ${bad}: no message on standard error")
  endif()
endforeach()

# A batch: one line per chord, readings joined by " | "; a bad line is reported with its line
# number and answered with an empty line, the others are answered all the same.
file(WRITE ${WORK_DIR}/batch.txt "C E G\n60 64 70 74\nC4 X4\nG2 D3\n\nC C# D\nE4 G4 C5\n")
run_tool(${WORK_DIR}/batch.txt)
expect("batch output" "${out}" "C\nC9no5\n\nG5 | perfect fifth\n\n\nC/E\n")
expect("batch exit code" "${code}" "2")
if(NOT err MATCHES "line 3: unknown note \"X4\"")
  message(FATAL_ERROR "batch: no message for line 3, got [${err}]")
endif()

# An octave far beyond the MIDI notes is refused, not wrapped round.
foreach(huge "C2147483647;E4" "C-2147483648;E4")
  run_tool("" ${huge})
  expect("huge octave ${huge}" "${code}:${out}" "2:")
endforeach()

# A bad token is echoed shortened, its escape character written out.
string(ASCII 27 escape)
string(REPEAT "x" 5000 long)
run_tool("" C4 "${escape}[31m${long}")
expect("bad token exit code" "${code}" "2")
string(LENGTH "${err}" echoed)
if(err MATCHES "${escape}" OR NOT err MATCHES [[\\x1b\[31m]] OR echoed GREATER 200)
  message(FATAL_ERROR "bad token echoed as [${err}]")
endif()

# "--" ends the options; what follows is notes.
run_tool("" --plain -- C4 Eb4 G4)
expect("after --" "${code}:${out}" "0:Cm\nEb6/C\n")

# An answer that cannot be written is a failure, in a batch too.
execute_process(COMMAND ${TOOL} C4 E4 G4 OUTPUT_FILE /dev/full RESULT_VARIABLE code ERROR_VARIABLE err)
if(code EQUAL 0 OR err STREQUAL "")
  message(FATAL_ERROR "writing to a full disk: exit code ${code}, [${err}]")
endif()
file(WRITE ${WORK_DIR}/good_batch.txt "C E G\nD F A\n")
execute_process(COMMAND ${TOOL} INPUT_FILE ${WORK_DIR}/good_batch.txt OUTPUT_FILE /dev/full
  RESULT_VARIABLE code)
if(code EQUAL 0)
  message(FATAL_ERROR "writing a batch to a full disk: exit code 0")
endif()

# Chord symbols: their notes as names and MIDI numbers, the bass lowest; the names as the
# symbol spells them; a bad symbol exits 2 with the nearest known symbols on standard error.
run_tool("" --notes Cmaj7/E --plain "F#m7b5")
expect("symbol notes" "${code}:${out}" "0:E4 G4 B4 C5 (64 67 71 72)\nF#4 A4 C5 E5 (66 69 72 76)\n")
run_tool("" --notes Cmaj8)
expect("bad symbol" "${code}:${out}" "2:\n")
if(NOT err MATCHES "Cmaj7")
  message(FATAL_ERROR "bad symbol: no nearest symbol in [${err}]")
endif()
file(WRITE ${WORK_DIR}/symbols.txt "Cb\nH7\n\nBbΔ9\n")
run_tool(${WORK_DIR}/symbols.txt --notes)
expect("symbol batch" "${code}:${out}" "2:C♭5 E♭5 G♭5 (71 75 78)\n\n\nB♭4 C5 D5 F5 A5 (70 72 74 77 81)\n")
if(NOT err MATCHES "line 2: unknown chord symbol \"H7\"")
  message(FATAL_ERROR "symbol batch: no message for line 2, got [${err}]")
endif()
