// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/note_player.h"

#include <algorithm>

#include "midi/midi_output.h"
#include "midi/short_message.h"
#include "player/channels.h"

namespace tonalis {

namespace {

bool isKey(int key) {
  return key >= 1 && key <= theory::kKeyCount;
}
}  // namespace

NotePlayer::NotePlayer(midi::MidiOutput& output) : m_output(output) {}

void NotePlayer::pressKey(int key) {
  if (!isKey(key)) return;
  Flag& flag = m_keys[static_cast<std::size_t>(key)];
  if (flag == Flag::kSounding) return;
  flag = Flag::kSounding;
  send(midi::noteOn(kKeyChannel, m_baseNote + key - 1, m_velocity));
}

// A release always sends its note-off: the note may have been started by a press this player
// already let go of.
void NotePlayer::releaseKey(int key) {
  if (!isKey(key)) return;
  m_keys[static_cast<std::size_t>(key)] = Flag::kReleased;
  send(midi::noteOff(kKeyChannel, m_baseNote + key - 1));
}

void NotePlayer::pressChord(int picture, const std::vector<int>& chartKeys) {
  Flag& flag = m_chords[picture];
  if (flag == Flag::kSounding) return;
  sendChord(chartKeys, true);
  m_soundingChords[picture] = chartKeys;
  flag = Flag::kSounding;
}

void NotePlayer::releaseChord(int picture, const std::vector<int>& chartKeys) {
  const auto sounding = m_soundingChords.find(picture);
  if (sounding != m_soundingChords.end()) {
    const std::vector<int> started = std::move(sounding->second);
    m_soundingChords.erase(sounding);
    sendChord(started, false);
  } else {
    sendChord(chartKeys, false);
  }
  m_chords[picture] = Flag::kReleased;
}

void NotePlayer::silenceAll() {
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    if (m_keys[static_cast<std::size_t>(key)] == Flag::kSounding) releaseKey(key);
  }
  while (!m_soundingChords.empty()) {
    releaseChord(m_soundingChords.begin()->first, {});
  }
}

std::string_view NotePlayer::keyFlag(int key) const {
  return isKey(key) ? text(m_keys[static_cast<std::size_t>(key)]) : std::string_view{};
}

std::string_view NotePlayer::chordFlag(int picture) const {
  const auto found = m_chords.find(picture);
  return found == m_chords.end() ? std::string_view{} : text(found->second);
}

std::string_view NotePlayer::text(Flag flag) {
  switch (flag) {
    case Flag::kSounding:
      return kSoundingFlag;
    case Flag::kReleased:
      return kReleasedFlag;
    case Flag::kNone:
      break;
  }
  return {};
}

// Each note place of the chord goes out on a channel of its own, so its note-offs meet its
// note-ons.
void NotePlayer::sendChord(const std::vector<int>& chartKeys, bool on) {
  const std::size_t places = std::min(chartKeys.size(), std::size_t{kChordChannels});
  for (std::size_t place = 0; place < places; ++place) {
    const int channel = kFirstChordChannel + static_cast<int>(place);
    const int note = m_baseNote + chartKeys[place] - 1;
    send(on ? midi::noteOn(channel, note, m_velocity) : midi::noteOff(channel, note));
  }
}

void NotePlayer::send(std::uint32_t message) {
  m_lastMessage = message;
  m_output.shortMessage(message);
}

}  // namespace tonalis
