// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/midi_thru.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "midi/short_message.h"
#include "support/recording_midi_output.h"

namespace tonalis::midi {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using Kind = NoteEvent::Kind;

constexpr int kThru = 6;
constexpr std::uint32_t kPedalDown = packShortMessage(0xB6, 64, 127);
constexpr std::uint32_t kPedalUp = packShortMessage(0xB6, 64, 0);

TEST(MidiThru, PlaysEveryChannelOnItsChannelWithItsVelocity) {
  testing::RecordingMidiOutput output;
  MidiThru thru(output, kThru);
  thru.play({Kind::kNoteOn, 0, 60, 100});
  thru.play({Kind::kNoteOn, 9, 64, 30});
  thru.play({Kind::kPedalDown, 3, 0, 90});
  thru.play({Kind::kNoteOff, 9, 64, 45});
  thru.play({Kind::kPedalUp, 3, 0, 0});
  thru.play({Kind::kNoteOff, 0, 60});
  thru.play({Kind::kNoteOff, 0, 62});  // never started: nothing to stop
  EXPECT_THAT(output.messages(),
              ElementsAre(noteOn(kThru, 60, 100), noteOn(kThru, 64, 30), kPedalDown,
                          noteOff(kThru, 64), kPedalUp, noteOff(kThru, 60)));
}

// A note held from two channels sounds on until both have let go of it.
TEST(MidiThru, NoteFromTwoChannelsStopsWithTheLastRelease) {
  testing::RecordingMidiOutput output;
  MidiThru thru(output, kThru);
  thru.play({Kind::kNoteOn, 0, 60, 100});
  thru.play({Kind::kNoteOn, 1, 60, 80});
  thru.play({Kind::kNoteOff, 1, 60});
  EXPECT_THAT(output.messages(), ElementsAre(noteOn(kThru, 60, 100), noteOn(kThru, 60, 80)));
  thru.play({Kind::kNoteOff, 0, 60});
  EXPECT_EQ(output.messages().back(), noteOff(kThru, 60));
}

// Whatever is still down when the input or output changes, or the thru goes, is stopped
// once, the pedal included; what comes after starts afresh.
TEST(MidiThru, ReleasesEverythingItStartedAndOnlyThat) {
  testing::RecordingMidiOutput output;
  {
    MidiThru thru(output, kThru);
    thru.play({Kind::kNoteOn, 0, 60, 100});
    thru.play({Kind::kNoteOn, 2, 60, 100});
    thru.play({Kind::kNoteOn, 0, 127, 1});
    thru.play({Kind::kNoteOn, 0, 64, 90});
    thru.play({Kind::kNoteOff, 0, 64});
    thru.play({Kind::kPedalDown, 0, 0, 127});
    output.forget();
    thru.releaseAll();
    EXPECT_THAT(output.messages(),
                UnorderedElementsAre(noteOff(kThru, 60), noteOff(kThru, 127), kPedalUp));
    output.forget();
    thru.releaseAll();
    thru.play({Kind::kNoteOff, 0, 60});
    EXPECT_THAT(output.messages(), IsEmpty());
    thru.play({Kind::kNoteOn, 0, 62, 70});
    output.forget();
  }
  EXPECT_THAT(output.messages(), ElementsAre(noteOff(kThru, 62)));
}

}  // namespace
}  // namespace tonalis::midi
