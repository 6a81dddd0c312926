// SPDX-License-Identifier: GPL-3.0-or-later
// Sounds the keyboard's keys and the chart's chords over a MIDI output and remembers what
// sounds, so that every note started is stopped once and a second press of a sounding key or
// chord sends nothing. It needs no window: whatever presses keys (the mouse, the computer
// keyboard, another instrument) goes through one player.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "theory/keyboard.h"

namespace tonalis {

namespace midi {
class MidiOutput;
}

// The sounding flag of a key or chord: empty before its first press, then one of these.
inline constexpr std::string_view kSoundingFlag = "1";
inline constexpr std::string_view kReleasedFlag = "0";

class NotePlayer {
 public:
  explicit NotePlayer(midi::MidiOutput& output);

  // The MIDI note of key 1; key k sounds baseNote + k - 1. 0 until set.
  void setBaseNote(int note) { m_baseNote = note; }
  int baseNote() const { return m_baseNote; }
  // The velocity of every note-on; 0 until set.
  void setVelocity(int velocity) { m_velocity = velocity; }
  int velocity() const { return m_velocity; }
  // The last message sent, 0 before the first.
  std::uint32_t lastMessage() const { return m_lastMessage; }

  // Key index 1..24 on the key channel; others, theory::kNoKey among them, do nothing.
  void pressKey(int key);
  void releaseKey(int key);
  // The chord of chart picture `picture`, its chart keys ascending: note place s = 1..5 on
  // channel s; keys beyond the fifth have no channel and stay silent. A release stops the notes
  // the press started even if the chart changed meanwhile; a release without a press stops
  // `chartKeys`.
  void pressChord(int picture, const std::vector<int>& chartKeys);
  void releaseChord(int picture, const std::vector<int>& chartKeys);
  // Releases every sounding key, then every sounding chord.
  void silenceAll();

  std::string_view keyFlag(int key) const;
  std::string_view chordFlag(int picture) const;

 private:
  enum class Flag { kNone, kSounding, kReleased };
  static std::string_view text(Flag flag);

  void sendChord(const std::vector<int>& chartKeys, bool on);
  void send(std::uint32_t message);

  midi::MidiOutput& m_output;
  int m_baseNote = 0;
  int m_velocity = 0;
  std::uint32_t m_lastMessage = 0;
  std::array<Flag, theory::kKeyCount + 1> m_keys{};  // key index 1..24
  std::map<int, Flag> m_chords;                      // by picture
  // The chart keys each sounding chord started.
  std::map<int, std::vector<int>> m_soundingChords;
};

}  // namespace tonalis
