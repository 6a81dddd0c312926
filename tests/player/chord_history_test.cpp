// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/chord_history.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "player/standard_midi_file.h"

namespace tonalis {
namespace {

using std::chrono::milliseconds;
using Time = ChordCapture::Time;

struct Step {
  bool press;
  int note;
  int atMs;
};

// What the capture settles from a sequence of presses and releases, as "notes@length" lines.
std::string captured(const std::vector<Step>& steps) {
  ChordCapture capture;
  std::string settled;
  for (const Step& step : steps) {
    const Time at = Time{} + milliseconds(10'000 + step.atMs);
    const auto chord = step.press ? capture.press(step.note, 64 + step.note % 8, at)
                                  : capture.release(step.note, at);
    if (!chord) continue;
    for (std::size_t i = 0; i < chord->notes.size(); ++i) {
      EXPECT_EQ(chord->velocities[i], 64 + chord->notes[i] % 8);
      settled += std::to_string(chord->notes[i]) + " ";
    }
    settled += "@" + std::to_string(chord->length.count()) + "\n";
  }
  return settled;
}

TEST(ChordCapture, SettlesChordsWhenLetGoOrHeldBeforeGrowing) {
  const std::vector<std::pair<std::vector<Step>, std::string>> kCases{
      // Struck together and let go: one chord, however it is released.
      {{{true, 60, 0},
        {true, 64, 5},
        {true, 67, 9},
        {false, 64, 500},
        {false, 60, 510},
        {false, 67, 520}},
       "60 64 67 @500\n"},
      // Arpeggiated quicker than the settle time: only the whole chord.
      {{{true, 67, 0}, {true, 60, 150}, {true, 64, 300}, {false, 60, 900}}, "60 64 67 @900\n"},
      // Held, then grown: the chord before it grew, then the grown one.
      {{{true, 60, 0}, {true, 64, 0}, {true, 67, 0}, {true, 71, 1000}, {false, 71, 1500}},
       "60 64 67 @1000\n60 64 67 71 @500\n"},
      // One note is no chord; a repeated press changes nothing.
      {{{true, 60, 0}, {false, 60, 300}, {true, 62, 400}, {true, 62, 450}, {false, 62, 900}}, ""},
      // Legato: a chord changed note by note after standing settles the one before.
      {{{true, 60, 0}, {true, 64, 0}, {false, 64, 1000}, {true, 65, 1001}, {false, 60, 2000}},
       "60 64 @1000\n60 65 @1000\n"},
  };
  for (const auto& [steps, expected] : kCases) EXPECT_EQ(captured(steps), expected);
}

// What an independent reader finds in the file written for `entries`.
std::string readBack(const std::vector<HistoryEntry>& entries) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("tonalis-history-" + std::to_string(::getpid()) + ".mid");
  std::ofstream(path, std::ios::binary) << standardMidiFile(entries);
  const std::string command =
      std::string(TONALIS_PYTHON) + " " + TONALIS_READ_MIDI + " " + path.string() + " 2>&1";
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    ::pclose(pipe);
  }
  std::filesystem::remove(path);
  return output;
}

TEST(StandardMidiFile, ReadsBackWithThePlayedTimingAndVelocities) {
  if (std::string(TONALIS_PYTHON).empty()) GTEST_SKIP() << "no python3 with mido";
  const auto now = std::chrono::system_clock::now();
  const std::vector<HistoryEntry> entries{
      {now, {60, 64, 67}, {}, {90, 70, 127}, milliseconds(1000), "C"},
      {now, {57, 72}, {}, {}, std::nullopt, "A5"},
      {now, {62, 65}, {}, {1, 2}, milliseconds(0), ""},
  };
  // 1000 ms at 120 beats a minute is two quarters; an unplayed chord lasts a bar; a chord
  // let go at once still lasts a tick.
  std::ostringstream expected;
  expected << "ticks " << kTicksPerQuarter << " tracks 1\ntempo 500000\n"
           << "0 on 60 90\n0 on 64 70\n0 on 67 127\n"
           << 2 * kTicksPerQuarter << " off 60 0\n960 off 64 0\n960 off 67 0\n"
           << "960 on 57 " << kUnplayedVelocity << "\n960 on 72 " << kUnplayedVelocity << "\n"
           << 960 + kTicksPerBar << " off 57 0\n2880 off 72 0\n"
           << "2880 on 62 1\n2880 on 65 2\n2881 off 62 0\n2881 off 65 0\n";
  EXPECT_EQ(readBack(entries), expected.str());
}

TEST(ChordHistory, WritesAChordSheetAndFindsTheKeys) {
  const std::vector<HistoryEntry> entries{
      historyEntry({76, 64, 71, 67}, std::chrono::system_clock::now(), {}),
      historyEntry({60, 61, 62}, std::chrono::system_clock::now(), {}),
      historyEntry({57, 58, 61, 64, 67}, std::chrono::system_clock::now(), {}),
      historyEntry({56, 62, 65, 72}, std::chrono::system_clock::now(), {}),
  };
  EXPECT_EQ(entries[0].reading, "Em");
  EXPECT_EQ(entries[0].keys().ascending(), (std::vector<int>{5, 8, 12, 17}));
  const std::string sheet = chordSheet(entries);
  EXPECT_NE(sheet.find("  Em  E4 G4 B4 E5\n"), std::string::npos) << sheet;
  // Spelled by the reading, the bass too; with sharps when nothing reads the notes.
  EXPECT_NE(sheet.find("  ?  C4 C♯4 D4\n"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("  A7♭9  A3 B♭3 C♯4 E4 G4\n"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("  Dm7♭5/A♭  A♭3 D4 F4 C5\n"), std::string::npos) << sheet;
}

}  // namespace
}  // namespace tonalis
