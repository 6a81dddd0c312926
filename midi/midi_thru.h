// SPDX-License-Identifier: GPL-3.0-or-later
// Plays what comes from a MIDI input on a MIDI output: each note on the thru's channel with its
// own velocity, and the sustain pedal. It remembers what it started, so that everything can be
// stopped before the input or the output changes: a note whose release goes elsewhere would
// sound on forever.
#pragma once

#include <array>

#include "midi/midi_output.h"
#include "midi/note_event.h"

namespace tonalis::midi {

class MidiThru {
 public:
  // `output` must outlive the thru; `channel` 0..15 is one that nothing else plays on.
  MidiThru(MidiOutput& output, int channel) : m_output(output), m_channel(channel) {}
  // Stops what it started.
  ~MidiThru() { releaseAll(); }
  MidiThru(const MidiThru&) = delete;
  MidiThru& operator=(const MidiThru&) = delete;

  void play(const NoteEvent& event);
  // Note-offs for every note it started and still sounds, and the pedal lifted if it was
  // pressed; afterwards nothing of it sounds. Call it before the input or the output changes.
  void releaseAll();

 private:
  static constexpr int kNoteCount = 128;

  MidiOutput& m_output;
  int m_channel;
  // Notes pressed on several input channels sound once on the thru's channel; the count says how
  // many of them have not been released yet.
  std::array<int, kNoteCount> m_presses{};
  bool m_pedalDown = false;
};

}  // namespace tonalis::midi
