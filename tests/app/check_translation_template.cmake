# SPDX-License-Identifier: GPL-3.0-or-later
# The translation template the build makes holds the program's texts in its own English: the
# messages with their first lines as they always were, what the MIDI output's codes mean, the
# menus and the preferences. Expects TEMPLATE.
if(NOT EXISTS "${TEMPLATE}")
  message(FATAL_ERROR "the build made no translation template at ${TEMPLATE}")
endif()
file(READ "${TEMPLATE}" template)
foreach(source
    "<name>Refusal</name>"
    "<source>Only one key may be pressed</source>"
    "<source>You must have one key pressed</source>"
    "<source>Only 3 to 5 keys may be pressed</source>"
    "<source>Couldn&apos;t open midi out, rc = %1</source>"
    "<name>ResultMeaning</name>"
    "<source>No sound server (PulseAudio, PipeWire or JACK) is running"
    "<source>&amp;Devices</source>"
    "<source>&amp;Input</source>"
    "<source>&amp;Edit</source>"
    "<source>MIDI Mapper</source>"
    "<source>Show Chords</source>"
    "<source>&amp;Velocity at start:</source>"
    "<source>Version %1.%2.%3</source>")
  string(FIND "${template}" "${source}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the translation template lacks ${source}")
  endif()
endforeach()
