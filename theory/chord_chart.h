// SPDX-License-Identifier: GPL-3.0-or-later
// The chord chart: thirty chord types on one root, their captions and the chart keys they mark.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "bounded_list.h"

namespace tonalis::theory {

inline constexpr int kChartSlotCount = 30;
inline constexpr int kChartRows = 10;
inline constexpr int kChartColumns = 3;

// Slot 0..29 fills the chart row by row: three columns, ten rows, both counted from 1.
constexpr int chartRow(int slot) {
  return slot / kChartColumns + 1;
}
constexpr int chartColumn(int slot) {
  return slot % kChartColumns + 1;
}
// The picture of a chart place is numbered 100 * column + row (101..110, 201..210, 301..310).
constexpr int pictureIndex(int column, int row) {
  return 100 * column + row;
}
struct PicturePlace {
  int column = 0;
  int row = 0;
};
constexpr PicturePlace picturePlace(int picture) {
  return {picture / 100, picture % 100};
}
// The picture reached from `picture` by the arrow keys: a step of -1 or +1 goes to the previous
// or next picture in slot order, across the ends of the rows; a row step of -1 or +1 to the
// picture above or below. At the edges of the chart it stays where it is.
constexpr int chartPictureStep(int picture, int step, int rowStep) {
  const PicturePlace place = picturePlace(picture);
  const int row = place.row + rowStep;
  if (row < 1 || row > kChartRows) return picture;
  const int slot = (row - 1) * kChartColumns + (place.column - 1) + step;
  if (slot < 0 || slot >= kChartSlotCount) return picture;
  return pictureIndex(slot % kChartColumns + 1, slot / kChartColumns + 1);
}

// The marker of chart key 1..17 on a picture: 10000 * column + 100 * row + key.
constexpr int markerIndex(int column, int row, int chartKey) {
  return 10000 * column + 100 * row + chartKey;
}
struct MarkerPlace {
  int column = 0;
  int row = 0;
  int chartKey = 0;
};
constexpr MarkerPlace markerPlace(int markerIndex) {
  return {markerIndex / 10000, markerIndex / 100 % 100, markerIndex % 100};
}

// One chart chord: the symbols each written after the root name, the notes as ascending
// semitones above the root, all within the octave so that a chart can hold them, and the chord
// in words for speech ("major seventh"), where "CM7" and "Cm7" would sound the same.
struct ChartChord {
  BoundedList<std::string_view, 3> symbols;
  BoundedList<int, 5> semitones;
  std::string_view words;
};

// The chart chords in slot order.
extern const std::array<ChartChord, kChartSlotCount> chordChart;

// Name of root key 1..12; black keys carry both names, e.g. "C#/Db".
std::string_view rootName(int rootKey);

// The root name for speech, with the accidental signs: "C", "C♯ or D♭".
std::string spokenRootName(int rootKey);

// The key positions of slot's chord counted from the root as 1, e.g. "1-5-8".
std::string chartFormula(int slot);

// Caption of slot 0..29 on root key 1..12: every symbol after the root name, joined by " / ",
// then "  |  " and the formula.
std::string chartCaption(int slot, int rootKey);

// What the picture of slot 0..29 shows on root key 1..12, for speech: the spoken root name, the
// chord in words and the note names, e.g. "C major seventh: C E G B", "C♯ or D♭ minor: C♯ E G♯".
std::string chartPictureName(int slot, int rootKey);

// The picture's chord as a symbol: the root name and the slot's first written symbol, with the
// accidental signs, e.g. "C M7", "C♯/D♭ m7(♭5)".
std::string chartPictureSymbol(int slot, int rootKey);

// Chart keys 1..17 marked for slot 0..29 on root key 1..12, root first, in the order of the
// chord's semitones; a note above key 17 is marked an octave lower.
std::vector<int> chartKeys(int slot, int rootKey);

}  // namespace tonalis::theory
