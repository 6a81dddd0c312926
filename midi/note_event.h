// SPDX-License-Identifier: GPL-3.0-or-later
// What a MIDI input delivers: notes starting and stopping, and the sustain pedal.
#pragma once

#include <chrono>

namespace tonalis::midi {

struct NoteEvent {
  enum class Kind {
    kNoteOn,     // `note` starts with `velocity` 1..127
    kNoteOff,    // `note` stops; a note-on of velocity 0 is one too
    kPedalDown,  // sustain pedal (controller 64) pressed: value 64..127
    kPedalUp,    // sustain pedal lifted: value 0..63
  };
  Kind kind{};
  int channel = 0;  // 0..15
  int note = 0;     // 0..127; 0 for the pedal
  int velocity = 0;
  // When the message reached this program, for measuring how long it takes to be played.
  std::chrono::steady_clock::time_point arrival{};

  bool operator==(const NoteEvent&) const = default;
};

}  // namespace tonalis::midi
