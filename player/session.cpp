// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/session.h"

#include <algorithm>

#include "midi/note_event.h"
#include "player/channels.h"
#include "theory/chord_chart.h"

namespace tonalis {

Session::Session(midi::MidiOutput& output) : m_player(output), m_thru(output, kThruChannel) {}

SessionView Session::view() const {
  return {m_selection, m_chartRoot, m_held.held(), m_held.pitches()};
}

std::vector<int> Session::chordKeys(int picture) const {
  const auto [column, row] = theory::picturePlace(picture);
  const bool onChart =
      column >= 1 && column <= theory::kChartColumns && row >= 1 && row <= theory::kChartRows;
  if (m_chartRoot == 0 || !onChart) return {};
  std::vector<int> keys =
      theory::chartKeys((row - 1) * theory::kChartColumns + column - 1, m_chartRoot);
  std::ranges::sort(keys);
  keys.erase(std::ranges::unique(keys).begin(), keys.end());
  return keys;
}

void Session::pressChord(int picture) {
  m_player.pressChord(picture, chordKeys(picture));
}

void Session::releaseChord(int picture) {
  m_player.releaseChord(picture, chordKeys(picture));
}

void Session::play(const midi::NoteEvent& event) {
  m_thru.play(event);
  using Kind = midi::NoteEvent::Kind;
  std::optional<theory::Selection> played;
  switch (event.kind) {
    case Kind::kNoteOn:
      m_held.press(event.note);
      m_recentNotes.add(event.note);
      break;
    case Kind::kNoteOff:
      played = m_held.release(event.note);
      break;
    case Kind::kPedalDown:
      m_held.pedalDown();
      break;
    case Kind::kPedalUp:
      played = m_held.pedalUp();
      break;
  }
  if (played) m_played = played;
}

void Session::endPlaying() {
  m_thru.releaseAll();
  m_held.clear();
  m_played.reset();
}

std::vector<theory::ChordReading> Session::reading(const theory::ReadingOptions& options) const {
  const std::vector<int> held = m_held.pitches();
  return held.empty() ? theory::readSelection(m_selection, options)
                      : theory::readChord(held, options);
}

}  // namespace tonalis
