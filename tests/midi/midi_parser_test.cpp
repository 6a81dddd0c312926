// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace tonalis::midi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = NoteEvent::Kind;
using Bytes = std::vector<std::uint8_t>;

NoteEvent on(int channel, int note, int velocity) {
  return {Kind::kNoteOn, channel, note, velocity};
}
NoteEvent off(int channel, int note, int velocity = 0) {
  return {Kind::kNoteOff, channel, note, velocity};
}

std::vector<NoteEvent> parse(const Bytes& bytes) {
  MidiParser parser;
  return parser.feed(bytes);
}

// Every way of cutting the stream into pieces gives the same events as the whole.
void expectSameInAnyPieces(const Bytes& bytes, const std::vector<NoteEvent>& expected) {
  EXPECT_EQ(parse(bytes), expected);
  for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
    MidiParser parser;
    std::vector<NoteEvent> events = parser.feed(std::span(bytes).first(cut));
    for (const NoteEvent& event : parser.feed(std::span(bytes).subspan(cut))) {
      events.push_back(event);
    }
    EXPECT_EQ(events, expected) << "cut after byte " << cut;
  }
}

TEST(MidiParser, NotesOnEveryChannelWithRunningStatus) {
  expectSameInAnyPieces(
      {0x90, 60, 100, 64, 90, 60, 0, 0x8F, 67, 40, 67, 0, 0x9A, 72, 1},
      {on(0, 60, 100), on(0, 64, 90), off(0, 60), off(15, 67, 40), off(15, 67), on(10, 72, 1)});
}

// Messages this program does not use still count their data bytes, so that the running
// status behind them is read right.
TEST(MidiParser, OtherChannelMessagesAreSkippedWholly) {
  expectSameInAnyPieces({0xC0, 60, 61, 0x90, 62, 70, 0xE0, 60, 64,   0xD3, 60,
                         0xA0, 60, 10, 0xB0, 1,  60, 7,    60, 0x90, 63,   80},
                        {on(0, 62, 70), on(0, 63, 80)});
}

TEST(MidiParser, RealTimeBytesInsideMessagesLeaveThemWhole) {
  expectSameInAnyPieces({0xF8, 0x90, 0xF8, 60, 0xFA, 100, 0xFE, 64, 0xFF, 90, 0xFC},
                        {on(0, 60, 100), on(0, 64, 90)});
}

// SysEx of any length, split anywhere, and the system common messages cancel the running
// status: the data bytes after them are no notes.
TEST(MidiParser, SystemMessagesAndSysExAreIgnoredAndCancelRunningStatus) {
  Bytes longSysEx{0x90, 60, 100, 0xF0};
  for (int i = 0; i < 1000; ++i) longSysEx.push_back(static_cast<std::uint8_t>(i % 0x80));
  longSysEx.insert(longSysEx.end(), {0xF8, 0xF7, 64, 90, 0x91, 61, 0});
  expectSameInAnyPieces(longSysEx, {on(0, 60, 100), off(1, 61)});

  expectSameInAnyPieces({0x90, 60, 100, 0xF2, 64, 90,   62, 70, 0xF1, 65, 0xF3, 66,
                         0xF6, 67, 80,  0xF4, 68, 0xF5, 69, 70, 0x90, 71, 100},
                        {on(0, 60, 100), on(0, 71, 100)});
  // A status byte ends a SysEx whose end was lost.
  expectSameInAnyPieces({0xF0, 1, 2, 3, 0x80, 60, 5}, {off(0, 60, 5)});
  EXPECT_THAT(parse({60, 100, 0xF7, 61, 100}), IsEmpty());
}

TEST(MidiParser, SustainPedalReportsOnlyCrossingsPerChannel) {
  const NoteEvent down{Kind::kPedalDown, 0, 0, 127};
  const NoteEvent halfDown{Kind::kPedalDown, 3, 0, 64};
  const NoteEvent up{Kind::kPedalUp, 0, 0, 0};
  const NoteEvent halfUp{Kind::kPedalUp, 3, 0, 63};
  expectSameInAnyPieces({0xB0, 64, 0,    64, 127, 64, 100, 0xB3, 64, 64, 0xB0,
                         64,   0,  0xB3, 64, 63,  64, 10,  0xB0, 65, 127},
                        {down, halfDown, up, halfUp});

  MidiParser parser;
  parser.feed(Bytes{0xB0, 64, 127, 0x90, 60});
  parser.reset();
  EXPECT_THAT(parser.feed(Bytes{100, 0xB0, 64, 127}), ElementsAre(down));
}

}  // namespace
}  // namespace tonalis::midi
