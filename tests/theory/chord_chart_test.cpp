// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/chord_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "theory/keyboard.h"

namespace tonalis::theory {
namespace {

TEST(ChordChart, FormulaIsDerivedFromTheSemitones) {
  constexpr std::array<std::string_view, kChartSlotCount> kFormulas{
      "1-5-8",      "1-4-7",      "1-4-7-10",   "1-5-9",      "1-5-9-11",    "1-5-9-12",
      "1-5-7",      "1-5-8-10",   "1-3-5-8-10", "1-5-8-11",   "1-6-8-11",    "1-5-7-11",
      "1-2-5-8-11", "1-3-5-8-11", "1-4-5-8-11", "1-5-8-9-11", "1-5-8-10-11", "1-5-8-12",
      "1-5-7-12",   "1-3-5-8-12", "1-3-5-8",    "1-4-8",      "1-4-8-10",    "1-4-8-11",
      "1-4-7-11",   "1-3-4-8-11", "1-4-8-12",   "1-4-7-12",   "1-3-4-8-12",  "1-3-4-8"};
  for (int slot = 0; slot < kChartSlotCount; ++slot) {
    EXPECT_EQ(chartFormula(slot), kFormulas[slot]) << "slot " << slot;
  }
}

TEST(ChordChart, EveryRowIsAChordWithinOneOctave) {
  for (int slot = 0; slot < kChartSlotCount; ++slot) {
    const ChartChord& chord = chordChart[slot];
    SCOPED_TRACE(slot);
    EXPECT_GE(chord.semitones.size(), 3u);
    EXPECT_LE(chord.semitones.size(), 5u);
    EXPECT_EQ(chord.semitones[0], 0);
    EXPECT_EQ(std::ranges::adjacent_find(chord.semitones, std::greater_equal<>{}),
              chord.semitones.end())
        << "semitones must rise strictly";
    EXPECT_LE(*std::ranges::max_element(chord.semitones), kOctave - 1);
    EXPECT_GE(chord.symbols.size(), 1u);
    // Only the major triad has an empty symbol: its first chord name is the bare root name.
    for (std::size_t i = 0; i < chord.symbols.size(); ++i) {
      EXPECT_EQ(chord.symbols[i].empty(), slot == 0 && i == 0) << "symbol " << i;
    }
  }
}

TEST(ChordChart, RootNamesCarrySharpAndFlat) {
  constexpr std::array<std::string_view, kOctave> kNames{
      "C", "C#/Db", "D", "D#/Eb", "E", "F", "F#/Gb", "G", "G#/Ab", "A", "A#/Bb", "B"};
  for (int root = 1; root <= kOctave; ++root) EXPECT_EQ(rootName(root), kNames[root - 1]);
}

TEST(ChordChart, Captions) {
  struct Case {
    int slot;
    int root;
    std::string_view caption;
  };
  constexpr std::array<Case, 6> kCases{{
      {0, 1, "C / CM / Cmaj  |  1-5-8"},
      {1, 1, "Cdim / Co  |  1-4-7"},
      {6, 1, "C(b5)  |  1-5-7"},
      {24, 1, "Cm7(b5) / Cmin7(b5)  |  1-4-7-11"},
      {0, 2, "C#/Db / C#/DbM / C#/Dbmaj  |  1-5-8"},
      {28, 12, "BmM7(9) / BminM7(9)  |  1-3-4-8-12"},
  }};
  for (const Case& c : kCases) EXPECT_EQ(chartCaption(c.slot, c.root), c.caption);
}

// Speech reads "#" as "hash" and cannot tell "CM7" from "Cm7": pictures are named in words with
// the accidental signs, and the symbol keeps the signs too.
TEST(ChordChart, PicturesAreNamedForSpeech) {
  struct Case {
    int slot;
    int root;
    std::string_view name;
    std::string_view symbol;
  };
  constexpr std::array<Case, 6> kCases{{
      {0, 1, "C major: C E G", "C M"},
      {17, 1, "C major seventh: C E G B", "C M7"},
      {23, 1, "C minor seventh: C D♯ G A♯", "C m7"},
      {24, 2, "C♯ or D♭ minor seventh flat five: C♯ E G B", "C♯/D♭ m7(♭5)"},
      {14, 11, "A♯ or B♭ seventh sharp nine: A♯ C♯ D F G♯", "A♯/B♭ 7(♯9)"},
      {29, 12, "B minor add nine: B C♯ D F♯", "B m9"},
  }};
  for (const Case& c : kCases) {
    EXPECT_EQ(chartPictureName(c.slot, c.root), c.name);
    EXPECT_EQ(chartPictureSymbol(c.slot, c.root), c.symbol);
  }
  // No two chords of a chart may sound alike.
  std::set<std::string_view> words;
  for (const ChartChord& chord : chordChart) words.insert(chord.words);
  EXPECT_EQ(words.size(), chordChart.size());
}

TEST(ChordChart, ArrowsStepThroughThePicturesInReadingOrder) {
  struct Case {
    int picture;
    int step;
    int rowStep;
    int reached;
  };
  constexpr std::array<Case, 8> kCases{{
      {101, +1, 0, 201},
      {301, +1, 0, 102},  // the end of a row goes on to the next row
      {102, -1, 0, 301},
      {101, -1, 0, 101},  // the first picture stays
      {310, +1, 0, 310},  // the last picture stays
      {205, 0, +1, 206},
      {110, 0, +1, 110},  // no row below the last
      {201, 0, -1, 201},
  }};
  for (const Case& c : kCases) {
    EXPECT_EQ(chartPictureStep(c.picture, c.step, c.rowStep), c.reached) << c.picture;
  }
}

TEST(ChordChart, NotesAboveTheChartFoldDownAnOctave) {
  struct Case {
    int slot;
    int root;
    std::vector<int> keys;
  };
  const std::vector<Case> kCases{
      {0, 1, {1, 5, 8}},    {17, 6, {6, 10, 13, 17}},  {17, 7, {7, 11, 14, 6}},
      {0, 12, {12, 16, 7}}, {29, 12, {12, 14, 15, 7}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(chartKeys(c.slot, c.root), c.keys) << "slot " << c.slot << " root " << c.root;
  }
}

TEST(ChordChart, EveryRootAndSlotMarksItsNotesOnTheChart) {
  for (int root = 1; root <= kOctave; ++root) {
    for (int slot = 0; slot < kChartSlotCount; ++slot) {
      SCOPED_TRACE(testing::Message() << "root " << root << " slot " << slot);
      const std::vector<int> keys = chartKeys(slot, root);
      const auto& semitones = chordChart[slot].semitones;
      ASSERT_EQ(keys.size(), semitones.size());
      EXPECT_EQ(std::set<int>(keys.begin(), keys.end()).size(), keys.size());
      EXPECT_EQ(keys.front(), root);
      for (std::size_t i = 0; i < keys.size(); ++i) {
        const int note = root + semitones[i];
        EXPECT_GE(keys[i], 1);
        EXPECT_LE(keys[i], kChartKeyCount);
        EXPECT_EQ(pitchClass(keys[i]), pitchClass(note));
        // Moved only when off the chart, and then down exactly one octave.
        EXPECT_EQ(keys[i], note <= kChartKeyCount ? note : note - kOctave);
      }
    }
  }
}

}  // namespace
}  // namespace tonalis::theory
