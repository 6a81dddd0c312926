// SPDX-License-Identifier: GPL-3.0-or-later
// The chord reader measured against the analysed chorale chords of tests/data: how often its
// readings name the analyst's root, its numerals the analyst's degree and inversion, and its
// spelling the score's. Shared by the tests, which hold the reader to targets, and `make bench`,
// which reports the figures.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "theory/chord_ranking.h"
#include "theory/musical_key.h"

namespace tonalis::test {

struct ChoraleChord {
  std::string where;  // "chorale 001, measure 3, beat 1.5"
  theory::MusicalKey key;
  std::string figure;                         // the analyst's numeral ("ii6/5", "V7/V")
  int root = 0;                               // the analyst's root, a pitch class
  std::vector<int> pitches;                   // MIDI note numbers, lowest first
  std::vector<std::optional<int>> spellings;  // as the score writes them
};

// The rows of the file; empty when it cannot be read.
std::vector<ChoraleChord> loadChorales(const std::string& path);

// The file in the source tree.
std::string choraleFile();

struct ChoraleScores {
  int chords = 0;
  int firstRoot = 0;       // the first reading has the analyst's root
  int anyRoot = 0;         // one of the readings has it
  int numeral = 0;         // with the analyst's key, the first numeral's root and inversion
  int rootAmongNotes = 0;  // chords whose first reading's root is one of the written notes
  int rootAsWritten = 0;   // ... and is spelled as written
  std::vector<std::string> misses;  // chords whose numeral missed, for a test's message

  double percent(int count) const { return chords == 0 ? 0 : 100.0 * count / chords; }
};

ChoraleScores scoreChorales(const std::vector<ChoraleChord>& chords, theory::ReadingStyle style);

// The inversion a figure states: 0 root position ("V", "V7", "V9"), 1 ("6", "6/5"), 2 ("6/4",
// "4/3"), 3 ("2", "4/2"); the figure after the degree and quality, before an applied "/V".
int inversionOfFigure(const std::string& numeral);

// The root a numeral names in `key`, applied numerals ("V7/V") included; nothing for a numeral
// it cannot read (the augmented sixths, "It6").
std::optional<int> rootOfNumeral(const std::string& numeral, const theory::MusicalKey& key);

}  // namespace tonalis::test
