// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a musician holds on a MIDI keyboard, shown on the two-octave keyboard: notes fold
// by octaves into the keyboard's range, the sustain pedal keeps released notes held, and
// letting go of everything turns what was played into the selection.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "theory/selection.h"

namespace tonalis::theory {

// MIDI note of key 1; key 24 is this + 23.
inline constexpr int kKeyOneNote = 60;

// MIDI note of key 1..24 (key 1 is middle C); keyForNote() folds any note back.
constexpr int noteOfKey(int key) {
  return kKeyOneNote + key - 1;
}

// Key 1..24 of MIDI note `note` 0..127: notes 60..83 are keys 1..24; lower notes move up and
// higher notes down by whole octaves until they are in that range.
int keyForNote(int note);

class HeldKeys {
 public:
  // Notes outside 0..127 are ignored. The same note may be pressed more than once (from two
  // channels, say); it is released once every press has been released.
  void press(int note);
  // The selection to take when this release ends the playing: nothing is held any more.
  std::optional<Selection> release(int note);
  void pedalDown();
  // As release(): lifting the pedal may let go of the last notes it kept.
  std::optional<Selection> pedalUp();
  // Forgets everything without ending the playing (the input changed).
  void clear();

  // Keys of the notes pressed or kept by the pedal.
  Selection held() const;
  // The same notes as played, ascending MIDI notes: the lowest is the bass, wherever it lies.
  std::vector<int> pitches() const;

 private:
  static constexpr int kNoteCount = 128;
  std::optional<Selection> endIfNothingHeld();

  std::array<int, kNoteCount> m_presses{};
  std::array<bool, kNoteCount> m_sustained{};
  bool m_pedal = false;
  // Every key held since nothing was: what the playing leaves as the selection.
  Selection m_played;
};

}  // namespace tonalis::theory
