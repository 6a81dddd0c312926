// SPDX-License-Identifier: GPL-3.0-or-later
// Random use of a session without a window: keys, a chart chord and a MIDI keyboard pressed and
// released in any order, the chart changed and the playing ended meanwhile, from a fixed seed.
// After every event the notes that sound are exactly those their sources still hold.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>

#include "midi/note_event.h"
#include "player/channels.h"
#include "player/session.h"
#include "support/recording_midi_output.h"
#include "theory/chord_chart.h"

namespace tonalis {
namespace {

constexpr int kEvents = 20000;
constexpr int kBaseNote = 60;

using Notes = std::set<std::pair<int, int>>;  // channel, note

class RandomSessionUser {
 public:
  explicit RandomSessionUser(std::uint32_t seed) : m_random(seed) {
    m_session.player().setBaseNote(kBaseNote);
    m_session.player().setVelocity(100);
  }

  void act() {
    switch (uniform(0, 7)) {
      case 0:
        if (const int key = uniform(1, 24); m_keys.insert(key).second) {
          m_session.player().pressKey(key);
        }
        break;
      case 1:
        if (!m_keys.empty()) {
          const int key = *std::next(m_keys.begin(), uniform(0, int(m_keys.size()) - 1));
          m_keys.erase(key);
          m_session.player().releaseKey(key);
        }
        break;
      case 2:  // one picture at a time, as the mouse holds it
        if (m_chord) {
          m_session.releaseChord(m_chord->first);
          m_chord.reset();
        } else {
          const int slot = uniform(0, theory::kChartSlotCount - 1);
          const int picture =
              theory::pictureIndex(theory::chartColumn(slot), theory::chartRow(slot));
          m_chord = {picture, m_session.chordKeys(picture)};
          m_session.pressChord(picture);
        }
        break;
      case 3:
        if (const int note = uniform(21, 108); m_played.insert(note).second) {
          m_session.play({midi::NoteEvent::Kind::kNoteOn, 0, note, 90, {}});
        }
        break;
      case 4:
        if (!m_played.empty()) {
          const int note = *std::next(m_played.begin(), uniform(0, int(m_played.size()) - 1));
          m_played.erase(note);
          if (m_pedal) m_sustained.insert(note);
          m_session.play({midi::NoteEvent::Kind::kNoteOff, 0, note, 0, {}});
        }
        break;
      case 5:
        m_session.showChart(uniform(0, 12));
        break;
      case 6:
        m_pedal = uniform(0, 1) == 0;
        if (!m_pedal) m_sustained.clear();
        m_session.play(
            {m_pedal ? midi::NoteEvent::Kind::kPedalDown : midi::NoteEvent::Kind::kPedalUp,
             0,
             0,
             0,
             {}});
        break;
      default:
        if (uniform(0, 9) == 0) {
          m_session.endPlaying();
          m_played.clear();
          m_sustained.clear();
          m_pedal = false;
        }
        break;
    }
  }

  // What the sources hold, as the notes they sound.
  Notes held() const {
    Notes notes;
    for (const int key : m_keys) notes.insert({kKeyChannel, kBaseNote + key - 1});
    if (m_chord) {
      for (std::size_t place = 0; place < m_chord->second.size(); ++place) {
        notes.insert({kFirstChordChannel + int(place), kBaseNote + m_chord->second[place] - 1});
      }
    }
    for (const int note : m_played) notes.insert({kThruChannel, note});
    return notes;
  }
  // The notes the MIDI keyboard holds, the pedal's included.
  std::vector<int> heldPitches() const {
    std::set<int> notes = m_sustained;
    notes.insert(m_played.begin(), m_played.end());
    return {notes.begin(), notes.end()};
  }

  void releaseEverything() {
    for (const int key : m_keys) m_session.player().releaseKey(key);
    if (m_chord) m_session.releaseChord(m_chord->first);
    m_session.endPlaying();
    m_keys.clear();
    m_chord.reset();
    m_played.clear();
  }

  testing::RecordingMidiOutput output;
  const Session& session() const { return m_session; }

 private:
  int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }

  Session m_session{output};
  std::mt19937 m_random;
  std::set<int> m_keys;
  std::optional<std::pair<int, std::vector<int>>> m_chord;
  std::set<int> m_played;
  bool m_pedal = false;
  std::set<int> m_sustained;
};

TEST(SessionRandomUse, WhatSoundsIsWhatIsHeld) {
  RandomSessionUser user(20130729);
  for (int event = 1; event <= kEvents; ++event) {
    user.act();
    ASSERT_EQ(user.output.sounding(), user.held()) << "event " << event;
    ASSERT_EQ(user.session().view().heldPitches, user.heldPitches()) << "event " << event;
  }
  user.releaseEverything();
  EXPECT_TRUE(user.output.sounding().empty());
}

}  // namespace
}  // namespace tonalis
