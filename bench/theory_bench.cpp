// Speed of the music logic: recognition, identification and the chord reader over every
// selection, a chart build.
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "theory/chord_chart.h"
#include "theory/chord_patterns.h"
#include "theory/chord_reader.h"
#include "theory/identification.h"
#include "theory/keyboard.h"
#include "theory/reading_text.h"

namespace {

using tonalis::theory::Selection;

// Every selection of three to five of the 24 keys (55 154 of them), as ascending key lists.
const std::vector<std::vector<int>>& chordSelections() {
  static const std::vector<std::vector<int>> selections = [] {
    std::vector<std::vector<int>> all;
    for (std::uint32_t mask = 0; mask < (1u << tonalis::theory::kKeyCount); ++mask) {
      const int count = std::popcount(mask);
      if (count < 3 || count > 5) continue;
      std::vector<int> keys;
      for (int key = 1; key <= tonalis::theory::kKeyCount; ++key) {
        if (mask & (1u << (key - 1))) keys.push_back(key);
      }
      all.push_back(std::move(keys));
    }
    return all;
  }();
  return selections;
}

void BM_MatchChordEverySelection(benchmark::State& state) {
  const auto& selections = chordSelections();
  for (auto _ : state) {
    int matches = 0;
    for (const auto& keys : selections) matches += tonalis::theory::matchChord(keys) ? 1 : 0;
    benchmark::DoNotOptimize(matches);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(selections.size()));
}
BENCHMARK(BM_MatchChordEverySelection)->Unit(benchmark::kMillisecond);

void BM_IdentifyEverySelection(benchmark::State& state) {
  std::vector<Selection> selections;
  for (const auto& keys : chordSelections()) {
    Selection selection;
    for (const int key : keys) selection.select(key);
    selections.push_back(selection);
  }
  for (auto _ : state) {
    int found = 0;
    for (const auto& selection : selections) {
      found += tonalis::theory::identifyChord(selection).name ? 1 : 0;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(selections.size()));
}
BENCHMARK(BM_IdentifyEverySelection)->Unit(benchmark::kMillisecond);

// The reader as the readout uses it: every reading of every selection, spelled as symbols.
void BM_ReadEverySelection(benchmark::State& state) {
  std::vector<std::vector<int>> chords;
  for (const auto& keys : chordSelections()) {
    std::vector<int>& pitches = chords.emplace_back();
    for (const int key : keys) pitches.push_back(key + 59);  // key 1 is MIDI note 60
  }
  for (auto _ : state) {
    std::size_t characters = 0;
    for (const auto& pitches : chords) {
      characters += tonalis::theory::joinedSymbols(tonalis::theory::readChord(pitches), " | ",
                                                   tonalis::theory::Accidentals::Modern)
                        .size();
    }
    benchmark::DoNotOptimize(characters);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chords.size()));
}
BENCHMARK(BM_ReadEverySelection)->Unit(benchmark::kMillisecond);

void BM_BuildChart(benchmark::State& state) {
  int root = 1;
  for (auto _ : state) {
    for (int slot = 0; slot < tonalis::theory::kChartSlotCount; ++slot) {
      benchmark::DoNotOptimize(tonalis::theory::chartCaption(slot, root));
      benchmark::DoNotOptimize(tonalis::theory::chartKeys(slot, root));
    }
    root = root % 12 + 1;
  }
}
BENCHMARK(BM_BuildChart)->Unit(benchmark::kMicrosecond);

}  // namespace
