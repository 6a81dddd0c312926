# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a Standard MIDI File with mido, a reader independent of the program's writer, and prints
# its ticks per quarter note, its tempo, then each note event: absolute tick, on/off, note,
# velocity. A note-on of velocity 0 is printed as an off.
import sys

import mido

song = mido.MidiFile(sys.argv[1])
print("ticks", song.ticks_per_beat, "tracks", len(song.tracks))
tick = 0
for message in song.tracks[0]:
    tick += message.time
    if message.type == "set_tempo":
        print("tempo", message.tempo)
    elif message.type in ("note_on", "note_off"):
        on = message.type == "note_on" and message.velocity > 0
        print(tick, "on" if on else "off", message.note, message.velocity if on else 0)
