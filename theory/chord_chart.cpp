// SPDX-License-Identifier: GPL-3.0-or-later
#include "chord_chart.h"

#include "accidental_signs.h"
#include "chord_intervals.h"
#include "keyboard.h"
#include "note_names.h"

namespace tonalis::theory {

// Row: {symbols, each written after the root name}, the chord's notes within the octave, the
// chord in spoken words; one row per slot.
constexpr std::array<ChartChord, kChartSlotCount> chordChart{{
    {{"", "M", "maj"}, closed<5>(chord::kMajor), "major"},
    {{"dim", "o"}, closed<5>(chord::kDiminished), "diminished"},
    {{"dim7", "o7"}, closed<5>(chord::kDiminishedSeventh), "diminished seventh"},
    {{"aug", "+"}, closed<5>(chord::kAugmented), "augmented"},
    {{"aug7", "+7"}, closed<5>(chord::kAugmentedSeventh), "augmented seventh"},
    {{"augM7", "+M7"}, closed<5>(chord::kAugmentedMajorSeventh), "augmented major seventh"},
    {{"(b5)"}, closed<5>(chord::kMajorFlatFifth), "major flat five"},
    {{"6"}, closed<5>(chord::kSixth), "sixth"},
    {{"6(9)"}, closed<5>(chord::kSixthAddedNinth), "six nine"},
    {{"7"}, closed<5>(chord::kSeventh), "seventh"},
    {{"7(sus4)"}, closed<5>(chord::kSeventhSuspendedFourth), "seventh suspended fourth"},
    {{"7(b5)"}, closed<5>(chord::kSeventhFlatFifth), "seventh flat five"},
    {{"7(b9)"}, closed<5>(chord::kSeventhFlatNinth), "seventh flat nine"},
    {{"7(9)"}, closed<5>(chord::kNinth), "ninth"},
    {{"7(#9)"}, closed<5>(chord::kSeventhSharpNinth), "seventh sharp nine"},
    {{"7(b13)"}, closed<5>(chord::kSeventhFlatThirteenth), "seventh flat thirteen"},
    {{"7(13)"}, closed<5>(chord::kSeventhAddedThirteenth), "seventh thirteen"},
    {{"M7"}, closed<5>(chord::kMajorSeventh), "major seventh"},
    {{"M7(b5)"}, closed<5>(chord::kMajorSeventhFlatFifth), "major seventh flat five"},
    {{"M7(9)"}, closed<5>(chord::kMajorNinth), "major ninth"},
    {{"9"}, closed<5>(chord::kAddedNinth), "add nine"},
    {{"m", "min"}, closed<5>(chord::kMinor), "minor"},
    {{"m6", "min6"}, closed<5>(chord::kMinorSixth), "minor sixth"},
    {{"m7", "min7"}, closed<5>(chord::kMinorSeventh), "minor seventh"},
    {{"m7(b5)", "min7(b5)"}, closed<5>(chord::kHalfDiminishedSeventh), "minor seventh flat five"},
    {{"m7(9)", "min7(9)"}, closed<5>(chord::kMinorNinth), "minor ninth"},
    {{"mM7", "minM7"}, closed<5>(chord::kMinorMajorSeventh), "minor major seventh"},
    {{"mM7(b5)", "minM7(b5)"},
     closed<5>(chord::kMinorMajorSeventhFlatFifth),
     "minor major seventh flat five"},
    {{"mM7(9)", "minM7(9)"}, closed<5>(chord::kMinorMajorNinth), "minor major ninth"},
    {{"m9"}, closed<5>(chord::kMinorAddedNinth), "minor add nine"},
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
