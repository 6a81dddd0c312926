// SPDX-License-Identifier: GPL-3.0-or-later
// How one answer of the chord reader spells its roots, basses and foreign notes.
//
// A pitch class takes, first found: the name the note was written with; the name the chosen key
// gives it (a root so that its triad sits nearest the key: A♭ major in C, not G♯ major); the
// chord's habit (roots by the key signature they would have, see pitch_spelling.h; a bass that
// belongs to the chord by its place above the root, D7/F♯, C7/B♭). A foreign note standing for
// a chord note takes the letter next to that note's (A for G, G♯ for A), one beside the chord
// the letter next to the chord note a step below it or a semitone above it (C (+F♯)). Once a
// pitch class is spelled, every later reading of the same answer spells it so: "A♭+ | C+/A♭".
#pragma once

#include <array>
#include <optional>
#include <span>

#include "chord_reader.h"
#include "musical_key.h"

namespace tonalis::theory {

class NoteSpeller {
 public:
  // For each pitch class 0..11, the place on the line of fifths it was written with, if any.
  using GivenNames = std::array<std::optional<int>, 12>;

  explicit NoteSpeller(const GivenNames& given = {}, std::optional<MusicalKey> key = {});

  struct Spelled {
    int root = 0;                  // places on the line of fifths
    std::optional<int> bass;       // absent when the bass is the root
    std::optional<int> foreign;    // the foreign note, when the reading has one
    std::optional<int> standsFor;  // the chord note it stands for, when it does
  };
  Spelled spell(const ChordReading& reading);

 private:
  int spellRoot(const ChordReading& reading) const;
  int spellBass(const ChordReading& reading, int root) const;
  int spellForeign(const ChordReading& reading, int root, std::optional<int> standsFor) const;

  GivenNames m_known;
  std::optional<MusicalKey> m_key;
};

// The names notes were written with, by pitch class: `spellings[i]` is how `pitches[i]` was
// written, if it was. A pitch written two ways takes the name of its lowest note, the one heard
// as the bass.
NoteSpeller::GivenNames givenNames(std::span<const int> pitches,
                                   std::span<const std::optional<int>> spellings);

// The places of a chord's notes above a spelled root: the letter a chord note takes counted
// from the root's (a third two letters up, a ♯9 one), or nothing for a note not in the type.
std::optional<int> spellingAboveRoot(const ChordType& type, int rootFifths, int pitchClass);

}  // namespace tonalis::theory
