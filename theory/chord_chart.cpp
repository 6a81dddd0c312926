// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_chart.h"

#include "accidental_signs.h"
#include "keyboard.h"
#include "note_names.h"

namespace tonalis::theory {

// Row: {symbols, each written after the root name}, {semitones above the root}, the chord in
// spoken words; one row per slot.
constexpr std::array<ChartChord, kChartSlotCount> chordChart{{
    {{"", "M", "maj"}, {0, 4, 7}, "major"},
    {{"dim", "o"}, {0, 3, 6}, "diminished"},
    {{"dim7", "o7"}, {0, 3, 6, 9}, "diminished seventh"},
    {{"aug", "+"}, {0, 4, 8}, "augmented"},
    {{"aug7", "+7"}, {0, 4, 8, 10}, "augmented seventh"},
    {{"augM7", "+M7"}, {0, 4, 8, 11}, "augmented major seventh"},
    {{"(b5)"}, {0, 4, 6}, "major flat five"},
    {{"6"}, {0, 4, 7, 9}, "sixth"},
    {{"6(9)"}, {0, 2, 4, 7, 9}, "six nine"},
    {{"7"}, {0, 4, 7, 10}, "seventh"},
    {{"7(sus4)"}, {0, 5, 7, 10}, "seventh suspended fourth"},
    {{"7(b5)"}, {0, 4, 6, 10}, "seventh flat five"},
    {{"7(b9)"}, {0, 1, 4, 7, 10}, "seventh flat nine"},
    {{"7(9)"}, {0, 2, 4, 7, 10}, "ninth"},
    {{"7(#9)"}, {0, 3, 4, 7, 10}, "seventh sharp nine"},
    {{"7(b13)"}, {0, 4, 7, 8, 10}, "seventh flat thirteen"},
    {{"7(13)"}, {0, 4, 7, 9, 10}, "seventh thirteen"},
    {{"M7"}, {0, 4, 7, 11}, "major seventh"},
    {{"M7(b5)"}, {0, 4, 6, 11}, "major seventh flat five"},
    {{"M7(9)"}, {0, 2, 4, 7, 11}, "major ninth"},
    {{"9"}, {0, 2, 4, 7}, "add nine"},
    {{"m", "min"}, {0, 3, 7}, "minor"},
    {{"m6", "min6"}, {0, 3, 7, 9}, "minor sixth"},
    {{"m7", "min7"}, {0, 3, 7, 10}, "minor seventh"},
    {{"m7(b5)", "min7(b5)"}, {0, 3, 6, 10}, "minor seventh flat five"},
    {{"m7(9)", "min7(9)"}, {0, 2, 3, 7, 10}, "minor ninth"},
    {{"mM7", "minM7"}, {0, 3, 7, 11}, "minor major seventh"},
    {{"mM7(b5)", "minM7(b5)"}, {0, 3, 6, 11}, "minor major seventh flat five"},
    {{"mM7(9)", "minM7(9)"}, {0, 2, 3, 7, 11}, "minor major ninth"},
    {{"m9"}, {0, 2, 3, 7}, "minor add nine"},
}};

namespace {

// Name of each root key 1..12; a black key carries its sharp and its flat name.
constexpr std::array<std::string_view, kOctave> kRootNames{
    "C", "C#/Db", "D", "D#/Eb", "E", "F", "F#/Gb", "G", "G#/Ab", "A", "A#/Bb", "B"};

constexpr std::string_view kSymbolSeparator = " / ";
constexpr std::string_view kFormulaSeparator = "  |  ";

}  // namespace

std::string_view rootName(int rootKey) {
  if (rootKey < 1 || rootKey > kOctave) return {};
  return kRootNames[rootKey - 1];
}

std::string chartFormula(int slot) {
  std::string formula;
  for (const int semitone : chordChart[slot].semitones) {
    if (!formula.empty()) formula += '-';
    formula += std::to_string(semitone + 1);
  }
  return formula;
}

std::string chartCaption(int slot, int rootKey) {
  const std::string_view root = rootName(rootKey);
  std::string caption;
  for (const std::string_view symbol : chordChart[slot].symbols) {
    if (!caption.empty()) caption += kSymbolSeparator;
    caption += root;
    caption += symbol;
  }
  caption += kFormulaSeparator;
  caption += chartFormula(slot);
  return caption;
}

std::vector<int> chartKeys(int slot, int rootKey) {
  std::vector<int> keys;
  for (const int semitone : chordChart[slot].semitones) {
    const int key = rootKey + semitone;
    // A chart shows only keys 1..17, so a higher note is marked an octave lower, never dropped.
    keys.push_back(key <= kChartKeyCount ? key : key - kOctave);
  }
  return keys;
}

std::string spokenRootName(int rootKey) {
  std::string name = withAccidentalSigns(rootName(rootKey));
  if (const std::size_t slash = name.find('/'); slash != std::string::npos) {
    name.replace(slash, 1, " or ");
  }
  return name;
}

std::string chartPictureName(int slot, int rootKey) {
  std::string name = spokenRootName(rootKey) + " " + std::string(chordChart[slot].words) + ":";
  for (const int key : chartKeys(slot, rootKey)) {
    name += ' ';
    name += withAccidentalSigns(noteName(key));
  }
  return name;
}

std::string chartPictureSymbol(int slot, int rootKey) {
  // The major triad's first symbol is empty; the picture uses the first one that is written.
  std::string_view symbol;
  for (const std::string_view candidate : chordChart[slot].symbols) {
    if (!candidate.empty()) {
      symbol = candidate;
      break;
    }
  }
  return withAccidentalSigns(std::string(rootName(rootKey)) + " " + std::string(symbol));
}

}  // namespace tonalis::theory
