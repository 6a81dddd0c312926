#include "chord_chart.h"

#include "keyboard.h"
#include "note_names.h"

namespace tonalis::theory {

// Row: {symbols, each written after the root name}, {semitones above the root}; one row per slot.
constexpr std::array<ChartChord, kChartSlotCount> chordChart{{
    {{"", "M", "maj"}, {0, 4, 7}},
    {{"dim", "o"}, {0, 3, 6}},
    {{"dim7", "o7"}, {0, 3, 6, 9}},
    {{"aug", "+"}, {0, 4, 8}},
    {{"aug7", "+7"}, {0, 4, 8, 10}},
    {{"augM7", "+M7"}, {0, 4, 8, 11}},
    {{"(b5)"}, {0, 4, 6}},
    {{"6"}, {0, 4, 7, 9}},
    {{"6(9)"}, {0, 2, 4, 7, 9}},
    {{"7"}, {0, 4, 7, 10}},
    {{"7(sus4)"}, {0, 5, 7, 10}},
    {{"7(b5)"}, {0, 4, 6, 10}},
    {{"7(b9)"}, {0, 1, 4, 7, 10}},
    {{"7(9)"}, {0, 2, 4, 7, 10}},
    {{"7(#9)"}, {0, 3, 4, 7, 10}},
    {{"7(b13)"}, {0, 4, 7, 8, 10}},
    {{"7(13)"}, {0, 4, 7, 9, 10}},
    {{"M7"}, {0, 4, 7, 11}},
    {{"M7(b5)"}, {0, 4, 6, 11}},
    {{"M7(9)"}, {0, 2, 4, 7, 11}},
    {{"9"}, {0, 2, 4, 7}},
    {{"m", "min"}, {0, 3, 7}},
    {{"m6", "min6"}, {0, 3, 7, 9}},
    {{"m7", "min7"}, {0, 3, 7, 10}},
    {{"m7(b5)", "min7(b5)"}, {0, 3, 6, 10}},
    {{"m7(9)", "min7(9)"}, {0, 2, 3, 7, 10}},
    {{"mM7", "minM7"}, {0, 3, 7, 11}},
    {{"mM7(b5)", "minM7(b5)"}, {0, 3, 6, 11}},
    {{"mM7(9)", "minM7(9)"}, {0, 2, 3, 7, 11}},
    {{"m9"}, {0, 2, 3, 7}},
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

std::string chartPictureName(int slot, int rootKey) {
  // The major triad's first symbol is empty; its name uses the first one that is written.
  std::string_view symbol;
  for (const std::string_view candidate : chordChart[slot].symbols) {
    if (!candidate.empty()) {
      symbol = candidate;
      break;
    }
  }
  std::string name = std::string(rootName(rootKey)) + " " + std::string(symbol) + ":";
  for (const int key : chartKeys(slot, rootKey)) {
    name += ' ';
    name += noteName(key);
  }
  return name;
}

}  // namespace tonalis::theory
