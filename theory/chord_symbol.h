// SPDX-License-Identifier: GPL-3.0-or-later
// Chord symbols read as chords: "Cmaj7", "F#m7b5", "B♭-7", "E°7", "D6/9", "C/E". A symbol is a
// root (a letter A..G, either case, with # ♯ b ♭), then a chord type of the reader's dictionary
// (chord_types.h) by its symbol or one of its aliases, then "/" and a bass note if the bass is
// not the root. Types are matched after a few spellings musicians use interchangeably are made
// one: b and # for ♭ and ♯, a leading "-" or "min" for "m", "Maj" for "maj", "Δ" for "maj" (a
// lone "Δ" or one before an alteration for "maj7"), and parentheses and commas left out.
//
// Voicing: the bass is the lowest key of its pitch class in the lower octave (keys 1..12), and
// every other note of the chord lies once on its nearest key above the bass, so the whole chord
// stays within an octave of the bass and within the keyboard's 24 keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chord_types.h"
#include "reading_text.h"

namespace tonalis::theory {

struct ChordSymbol {
  int root = 0;  // place on the line of fifths (line_of_fifths.h)
  const ChordType* type = nullptr;
  std::optional<int> bass;  // place on the line of fifths; absent when the bass is the root
};

struct SymbolReading {
  std::optional<ChordSymbol> chord;
  std::string error;                 // why the text is no chord symbol
  std::vector<std::string> nearest;  // the known symbols nearest a bad one, nearest first
};

SymbolReading readChordSymbol(std::string_view text);

// The symbol as the dictionary writes it: "Cmaj7/E".
std::string symbolText(const ChordSymbol& chord, Accidentals accidentals = Accidentals::Modern);

// One note of a voiced symbol: its key index 1..24 and its place on the line of fifths.
struct VoicedNote {
  int key = 0;
  int fifths = 0;
};

// The chord's notes on the keyboard, lowest first, as the voicing above sets them.
std::vector<VoicedNote> voicing(const ChordSymbol& chord);

// A note's name with its octave as the letter counts it: C♭5 is MIDI note 71 and B♯3 is 60.
std::string nameWithOctave(int fifths, int midiNote);

// The message for a symbol that was not read: its error and the nearest known symbols.
std::string refusalText(const SymbolReading& reading, Accidentals accidentals);

}  // namespace tonalis::theory
