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

// One chart chord: the symbols each written after the root name, and the notes as ascending
// semitones above the root, all within the octave so that a chart can hold them.
struct ChartChord {
  BoundedList<std::string_view, 3> symbols;
  BoundedList<int, 5> semitones;
};

// The chart chords in slot order.
extern const std::array<ChartChord, kChartSlotCount> chordChart;

// Name of root key 1..12; black keys carry both names, e.g. "C#/Db".
std::string_view rootName(int rootKey);

// The key positions of slot's chord counted from the root as 1, e.g. "1-5-8".
std::string chartFormula(int slot);

// Caption of slot 0..29 on root key 1..12: every symbol after the root name, joined by " / ",
// then "  |  " and the formula.
std::string chartCaption(int slot, int rootKey);

// What the picture of slot 0..29 shows on root key 1..12, in words: the root name, the slot's
// first written symbol and the note names, e.g. "C M7: C E G B".
std::string chartPictureName(int slot, int rootKey);

// Chart keys 1..17 marked for slot 0..29 on root key 1..12, root first, in the order of the
// chord's semitones; a note above key 17 is marked an octave lower.
std::vector<int> chartKeys(int slot, int rootKey);

}  // namespace tonalis::theory
