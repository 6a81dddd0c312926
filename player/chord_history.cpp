// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/chord_history.h"

#include <algorithm>
#include <ctime>

#include "theory/chord_reader.h"
#include "theory/chord_symbol.h"
#include "theory/held_keys.h"
#include "theory/note_speller.h"
#include "theory/reading_text.h"

namespace tonalis {

theory::Selection HistoryEntry::keys() const {
  theory::Selection keys;
  for (const int note : notes) keys.select(theory::keyForNote(note));
  return keys;
}

HistoryEntry historyEntry(std::vector<int> notes, std::chrono::system_clock::time_point when,
                          const theory::ReadingOptions& options) {
  std::sort(notes.begin(), notes.end());
  const std::vector<theory::ChordReading> readings = theory::readChord(notes, options);
  HistoryEntry entry{when, std::move(notes), {}, {}, std::nullopt, {}};
  const theory::ChordReading* best =
      readings.empty() || readings.front().type == nullptr ? nullptr : &readings.front();
  theory::NoteSpeller speller;
  const theory::NoteSpeller::Spelled spelled =
      best ? speller.spell(*best) : theory::NoteSpeller::Spelled{};
  if (best) entry.reading = theory::symbolOf(*best, speller, theory::Accidentals::Modern);
  for (const int note : entry.notes) {
    const int pitchClass = note % 12;
    // With sharps: C is place 0 on the line of fifths, F place -1, A♯ place 10.
    int spelling = (pitchClass * 7 + 1) % 12 - 1;
    if (best && pitchClass == best->bass && spelled.bass) {
      spelling = *spelled.bass;
    } else if (best) {
      spelling =
          theory::spellingAboveRoot(*best->type, spelled.root, pitchClass).value_or(spelling);
    }
    entry.spellings.push_back(spelling);
  }
  return entry;
}

std::vector<int> notesOfKeys(const theory::Selection& keys) {
  std::vector<int> notes;
  for (const int key : keys.ascending()) notes.push_back(theory::noteOfKey(key));
  return notes;
}

std::string chordSheet(const std::vector<HistoryEntry>& entries) {
  std::string sheet;
  for (const HistoryEntry& entry : entries) {
    const std::time_t time = std::chrono::system_clock::to_time_t(entry.when);
    std::tm local{};
    localtime_r(&time, &local);
    char clock[16];
    std::strftime(clock, sizeof clock, "%H:%M:%S", &local);
    sheet += clock;
    sheet += "  " + (entry.reading.empty() ? std::string("?") : entry.reading) + " ";
    for (std::size_t i = 0; i < entry.notes.size() && i < entry.spellings.size(); ++i) {
      sheet += ' ' + theory::nameWithOctave(entry.spellings[i], entry.notes[i]);
    }
    sheet += '\n';
  }
  return sheet;
}

std::optional<ChordCapture::Settled> ChordCapture::settle(Time at) {
  if (m_settled || m_held.size() < 2) return std::nullopt;
  m_settled = true;
  Settled chord;
  Time first = at;
  for (const Held& held : m_held) {
    chord.notes.push_back(held.note);
    chord.velocities.push_back(held.velocity);
    first = std::min(first, held.since);
  }
  // A chord that follows another without letting go begins where that one ended.
  first = std::max(first, m_lastSettled);
  m_lastSettled = at;
  chord.length = std::chrono::duration_cast<std::chrono::milliseconds>(at - first);
  return chord;
}

std::optional<ChordCapture::Settled> ChordCapture::press(int note, int velocity, Time at) {
  std::optional<Settled> settled;
  if (at - m_lastChange >= kSettleTime) settled = settle(at);
  m_lastChange = at;
  const auto place = std::lower_bound(m_held.begin(), m_held.end(), note,
                                      [](const Held& held, int n) { return held.note < n; });
  if (place != m_held.end() && place->note == note) return settled;  // pressed twice
  m_held.insert(place, Held{note, velocity, at});
  m_settled = false;
  return settled;
}

std::optional<ChordCapture::Settled> ChordCapture::release(int note, Time at) {
  const auto held =
      std::find_if(m_held.begin(), m_held.end(), [note](const Held& h) { return h.note == note; });
  if (held == m_held.end()) return std::nullopt;
  std::optional<Settled> settled = settle(at);
  m_held.erase(held);
  m_lastChange = at;
  return settled;
}

void ChordCapture::clear() {
  m_held.clear();
  m_settled = false;
}

}  // namespace tonalis
