// SPDX-License-Identifier: GPL-3.0-or-later
// The chord reader: every name the sounding notes can be given, best first.
//
// A reading is a root and a chord type whose notes are exactly the pitch classes played, with
// the lowest note as its bass ("Am7/C" when the bass is not the root). A reading may lack only
// the notes its type lists as omittable (the fifth, ninth and eleventh of big chords, the third
// of a few sevenths, the root of dominant chords played rootless); the shells without a fifth
// (7no5, 9no5 ...) are types of their own. A triad may also stand over a bass note that is not
// its own ("C/D"). Notes that nothing explains get no reading at all. The order of the readings
// is given in chord_ranking.h.
//
// When no reading takes the notes as a chord as it stands (a major or minor triad or one of the
// common sevenths, whole, over one of its notes), the reader also hears one note as foreign to
// a triad or seventh, as passing, neighbour and suspended notes are heard: beside the whole
// chord ("C (+F♯)"), or in place of a chord note it leans on from a step above or a semitone
// below ("G/B (A for G)": B D A, the A a suspension over the missing G). The chord and the
// foreign note keep to one major or harmonic minor scale. These readings come after all others.
//
// Two pitch classes a fifth apart read as the power chord ("C5", "C5/G"); two notes also get
// the name of their interval ("perfect fifth"), last. One pitch class in several octaves gets
// only the interval ("octave").
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "chord_ranking.h"
#include "chord_types.h"
#include "selection.h"

namespace tonalis::theory {

struct ChordReading {
  const ChordType* type = nullptr;  // null when the notes are read as an interval
  int root = 0;                     // pitch class 0..11 (0 = C) of the chord's root
  int bass = 0;  // pitch class of the lowest note, or of the chord note a foreign bass stands for
  PitchClassSet omitted = 0;     // the type's notes left out, as pitch classes above the root
  int interval = 0;              // semitones, when read as an interval
  std::optional<int> foreign;    // pitch class of a note heard as foreign to the chord
  std::optional<int> standsFor;  // the chord note, not played, that the foreign note stands for

  bool operator==(const ChordReading&) const = default;
};

// `pitches`: the notes as semitone numbers on which every multiple of 12 is a C, such as MIDI
// note numbers; any order, a note given twice counts once. Fewer than two notes read as nothing.
std::vector<ChordReading> readChord(std::span<const int> pitches,
                                    const ReadingOptions& options = {});

// The selected keys of the keyboard, read as notes (key 1 is a C).
std::vector<ChordReading> readSelection(const Selection& selection,
                                        const ReadingOptions& options = {});

}  // namespace tonalis::theory
