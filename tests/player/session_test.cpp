// SPDX-License-Identifier: GPL-3.0-or-later
// A session against a recording output: what is read from the notes held, the chart's chords,
// and sources of notes that must not silence each other.
#include "player/session.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "midi/note_event.h"
#include "player/channels.h"
#include "support/recording_midi_output.h"

namespace tonalis {
namespace {

using Kind = midi::NoteEvent::Kind;

midi::NoteEvent note(Kind kind, int number) {
  return {kind, 2, number, kind == Kind::kNoteOn ? 100 : 0, {}};
}

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    session.player().setBaseNote(60);
    session.player().setVelocity(127);
  }

  testing::RecordingMidiOutput output;
  Session session{output};
};

// G2 under C4 E4 G4: the keyboard shows the notes folded, the reading keeps G as the bass.
TEST_F(SessionTest, HeldNotesAreReadAsPlayed) {
  for (const int n : {43, 60, 64, 67}) session.play(note(Kind::kNoteOn, n));
  EXPECT_EQ(session.view().heldKeys.ascending(), (std::vector<int>{1, 5, 8}));
  const std::vector<theory::ChordReading> readings = session.reading({});
  ASSERT_FALSE(readings.empty());
  EXPECT_EQ(readings.front().type->symbol, "");
  EXPECT_EQ(readings.front().root, 0);
  EXPECT_EQ(readings.front().bass, 7);

  for (const int n : {43, 60, 64, 67}) session.play(note(Kind::kNoteOff, n));
  EXPECT_EQ(session.takePlayed()->ascending(), (std::vector<int>{1, 5, 8}));
  EXPECT_FALSE(session.takePlayed());
}

TEST_F(SessionTest, ChordKeysComeFromTheChartShown) {
  EXPECT_TRUE(session.chordKeys(101).empty());
  session.showChart(1);
  EXPECT_EQ(session.chordKeys(101), (std::vector<int>{1, 5, 8}));  // C major
  EXPECT_TRUE(session.chordKeys(111).empty());
  session.showChart(0);
  EXPECT_TRUE(session.chordKeys(101).empty());
}

// While one source holds middle C, another sounds it and lets go: the held one sounds on.
TEST(Session, NoSourceSilencesAnothersNote) {
  using Action = std::function<void(Session&)>;
  struct Source {
    const char* name;
    Action press;
    Action release;
  };
  const std::vector<Source> sources{
      {"key", [](Session& s) { s.player().pressKey(1); },
       [](Session& s) { s.player().releaseKey(1); }},
      {"chart chord", [](Session& s) { s.pressChord(101); },
       [](Session& s) { s.releaseChord(101); }},
      {"thru", [](Session& s) { s.play(note(Kind::kNoteOn, 60)); },
       [](Session& s) { s.play(note(Kind::kNoteOff, 60)); }},
  };
  for (const Source& holder : sources) {
    for (const Source& other : sources) {
      if (&holder == &other) continue;
      SCOPED_TRACE(std::string(holder.name) + " holds, " + other.name + " plays");
      testing::RecordingMidiOutput out;
      Session s(out);
      s.player().setBaseNote(60);
      s.player().setVelocity(127);
      s.showChart(1);
      holder.press(s);
      const std::set<std::pair<int, int>> held = out.sounding();
      other.press(s);
      other.release(s);
      EXPECT_EQ(out.sounding(), held);
      holder.release(s);
      EXPECT_TRUE(out.sounding().empty());
    }
  }
}

// Ending the playing stops the thru's notes and pedal, and forgets what was held.
TEST_F(SessionTest, EndPlayingLeavesNothingSoundingOrHeld) {
  session.play(note(Kind::kNoteOn, 60));
  session.play({Kind::kPedalDown, 0, 0, 127, {}});
  session.endPlaying();
  EXPECT_TRUE(output.sounding().empty());
  EXPECT_EQ(output.messages().back() & 0xFF, 0xB0u | kThruChannel);
  EXPECT_TRUE(session.view().heldPitches.empty());
  EXPECT_FALSE(session.takePlayed());
}

}  // namespace
}  // namespace tonalis
