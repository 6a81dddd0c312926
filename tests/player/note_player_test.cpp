// SPDX-License-Identifier: GPL-3.0-or-later
// The note player against a recording output: messages, channels, flags and the guards that
// keep a note from starting twice or hanging.
#include "player/note_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "midi/short_message.h"
#include "support/recording_midi_output.h"

namespace tonalis {
namespace {

using Messages = std::vector<std::uint32_t>;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class NotePlayerTest : public ::testing::Test {
 protected:
  NotePlayerTest() {
    player.setBaseNote(60);
    player.setVelocity(127);
  }

  testing::RecordingMidiOutput output;
  NotePlayer player{output};
};

TEST_F(NotePlayerTest, KeyPressAndReleaseSoundItsNoteOnTheKeyChannel) {
  player.pressKey(1);
  EXPECT_EQ(player.keyFlag(1), kSoundingFlag);
  player.releaseKey(1);
  EXPECT_EQ(player.keyFlag(1), kReleasedFlag);
  player.pressKey(24);
  EXPECT_THAT(output.messages(), ElementsAre(8338576u, 15488u, midi::noteOn(0, 83, 127)));
  EXPECT_EQ(player.lastMessage(), midi::noteOn(0, 83, 127));
}

TEST_F(NotePlayerTest, FlagsAreEmptyBeforeTheFirstPress) {
  EXPECT_EQ(player.keyFlag(5), "");
  EXPECT_EQ(player.chordFlag(101), "");
  EXPECT_EQ(player.lastMessage(), 0u);
}

TEST_F(NotePlayerTest, SecondPressOfASoundingKeySendsNothingButEveryReleaseSends) {
  player.pressKey(3);
  player.pressKey(3);
  player.releaseKey(3);
  player.releaseKey(3);
  EXPECT_THAT(output.messages(),
              ElementsAre(midi::noteOn(0, 62, 127), midi::noteOff(0, 62), midi::noteOff(0, 62)));
}

TEST_F(NotePlayerTest, KeysOutsideTheKeyboardDoNothing) {
  for (const int key : {theory::kNoKey, 0, 25}) {
    player.pressKey(key);
    player.releaseKey(key);
    EXPECT_EQ(player.keyFlag(key), "");
  }
  EXPECT_THAT(output.messages(), IsEmpty());
}

TEST_F(NotePlayerTest, VelocityAndBaseNoteApplyFromTheNextPress) {
  player.setVelocity(0);
  player.setBaseNote(48);
  player.pressKey(13);
  EXPECT_THAT(output.messages(), ElementsAre(midi::noteOn(0, 60, 0)));
}

TEST_F(NotePlayerTest, ChordNotesTakeChannelsOneToFiveInOrder) {
  player.pressChord(303, {7, 10, 12, 14, 17});
  player.releaseChord(303, {7, 10, 12, 14, 17});
  EXPECT_THAT(output.messages(),
              ElementsAre(midi::noteOn(1, 66, 127), midi::noteOn(2, 69, 127),
                          midi::noteOn(3, 71, 127), midi::noteOn(4, 73, 127),
                          midi::noteOn(5, 76, 127), midi::noteOff(1, 66), midi::noteOff(2, 69),
                          midi::noteOff(3, 71), midi::noteOff(4, 73), midi::noteOff(5, 76)));
  EXPECT_EQ(player.lastMessage(), midi::noteOff(5, 76));
}

// Five channels are all a chord has; a sixth key would have to share one and could not be
// stopped apart from it.
TEST_F(NotePlayerTest, KeysBeyondTheFifthStaySilent) {
  player.pressChord(101, {1, 3, 5, 6, 8, 10});
  EXPECT_EQ(output.messages().size(), 5u);
  EXPECT_EQ(output.messages().back(), midi::noteOn(5, 67, 127));
}

TEST_F(NotePlayerTest, ChordReleaseStopsWhatThePressStartedEvenIfTheChartChanged) {
  player.pressChord(101, {1, 5, 8});
  output.forget();
  player.releaseChord(101, {});
  EXPECT_THAT(output.messages(),
              ElementsAre(midi::noteOff(1, 60), midi::noteOff(2, 64), midi::noteOff(3, 67)));
  output.forget();
  // Released already: a second release stops the chord the chart shows now.
  player.releaseChord(101, {2});
  EXPECT_THAT(output.messages(), ElementsAre(midi::noteOff(1, 61)));
}

TEST_F(NotePlayerTest, SecondPressOfASoundingChordSendsNothing) {
  player.pressChord(101, {1, 5, 8});
  output.forget();
  player.pressChord(101, {2, 6});
  EXPECT_THAT(output.messages(), IsEmpty());
  EXPECT_EQ(player.chordFlag(101), kSoundingFlag);
}

TEST_F(NotePlayerTest, ChordWithoutKeysOnlyFlipsItsFlag) {
  player.pressChord(205, {});
  EXPECT_EQ(player.chordFlag(205), kSoundingFlag);
  player.releaseChord(205, {});
  EXPECT_EQ(player.chordFlag(205), kReleasedFlag);
  EXPECT_THAT(output.messages(), IsEmpty());
}

TEST_F(NotePlayerTest, SilenceAllStopsSoundingKeysThenChordsAndNothingElse) {
  player.pressKey(9);
  player.pressKey(2);
  player.pressKey(4);
  player.releaseKey(4);
  player.pressChord(202, {1, 5});
  player.pressChord(101, {3});
  output.forget();
  player.silenceAll();
  EXPECT_THAT(output.messages(),
              ElementsAre(midi::noteOff(0, 61), midi::noteOff(0, 68), midi::noteOff(1, 62),
                          midi::noteOff(1, 60), midi::noteOff(2, 64)));
  for (const int key : {2, 4, 9}) EXPECT_EQ(player.keyFlag(key), kReleasedFlag);
  EXPECT_EQ(player.chordFlag(101), kReleasedFlag);
  EXPECT_EQ(player.chordFlag(202), kReleasedFlag);
  output.forget();
  player.silenceAll();
  EXPECT_THAT(output.messages(), IsEmpty());
}

}  // namespace
}  // namespace tonalis
