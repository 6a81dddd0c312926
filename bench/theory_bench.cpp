// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the music logic: recognition, identification and the chord reader over every
// selection, a chart build.
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "theory/chorale_scores.h"
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

// The reader against the analysed chorale chords (tests/data): percentages as counters, the
// time for the whole set in each style and with the analysts' keys.
void BM_ChoraleChords(benchmark::State& state) {
  const auto chords = tonalis::test::loadChorales(tonalis::test::choraleFile());
  if (chords.empty()) {
    state.SkipWithError("no chorale chords");
    return;
  }
  tonalis::test::ChoraleScores scores;
  for (auto _ : state) {
    scores = tonalis::test::scoreChorales(chords, tonalis::theory::ReadingStyle::Analysis);
    benchmark::DoNotOptimize(scores.firstRoot);
  }
  const auto leadSheet =
      tonalis::test::scoreChorales(chords, tonalis::theory::ReadingStyle::LeadSheet);
  state.counters["first_%"] = scores.percent(scores.firstRoot);
  state.counters["any_%"] = scores.percent(scores.anyRoot);
  state.counters["numeral_%"] = scores.percent(scores.numeral);
  state.counters["leadsheet_first_%"] = leadSheet.percent(leadSheet.firstRoot);
  state.counters["spelled_as_written"] = scores.rootAsWritten;
  state.counters["root_among_notes"] = scores.rootAmongNotes;
}
BENCHMARK(BM_ChoraleChords)->Unit(benchmark::kMillisecond);

// Every chord type of the dictionary on every root in root position: how many read first as
// themselves, in the lead-sheet style (the analysis style reads C6 as Am7/C by choice).
void BM_TypesOnTheirRoot(benchmark::State& state) {
  int named = 0;
  for (auto _ : state) {
    named = 0;
    for (const auto& type : tonalis::theory::chordTypes) {
      for (int root = 0; root < 12; ++root) {
        std::vector<int> pitches;
        for (const int interval : type.intervals) pitches.push_back(48 + root + interval);
        const auto readings = tonalis::theory::readChord(
            pitches, {tonalis::theory::ReadingStyle::LeadSheet, std::nullopt});
        named += !readings.empty() && readings.front().type == &type &&
                 readings.front().root == root && readings.front().omitted == 0;
      }
    }
    benchmark::DoNotOptimize(named);
  }
  state.counters["named"] = named;
  state.counters["of"] = 12 * static_cast<double>(tonalis::theory::chordTypes.size());
}
BENCHMARK(BM_TypesOnTheirRoot)->Unit(benchmark::kMillisecond);

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
