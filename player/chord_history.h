// SPDX-License-Identifier: GPL-3.0-or-later
// The chords a musician has played or named, in order, each with when it came, its notes and
// its best reading; written out as a plain-text chord sheet.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "theory/chord_ranking.h"
#include "theory/selection.h"

namespace tonalis {

struct HistoryEntry {
  std::chrono::system_clock::time_point when;
  std::vector<int> notes;  // MIDI note numbers, ascending
  // How each note is spelled, as its place on the line of fifths: by the best reading, else
  // with sharps.
  std::vector<int> spellings;
  // The velocity of each note and how long the chord was held, for a chord played on a MIDI
  // keyboard; empty and absent for one selected, named or read on the screen.
  std::vector<int> velocities;
  std::optional<std::chrono::milliseconds> length;
  std::string reading;  // the best reading's symbol, empty when the notes have none

  // The keys of the keyboard the notes fold onto.
  theory::Selection keys() const;
};

// An entry for `notes` at `when`, read with `options`.
HistoryEntry historyEntry(std::vector<int> notes, std::chrono::system_clock::time_point when,
                          const theory::ReadingOptions& options);

// The notes of the keys of the keyboard (key 1 is middle C).
std::vector<int> notesOfKeys(const theory::Selection& keys);

// One line per entry: "20:14:03  A7♭9  A4 B♭4 C♯5 E5 G5", times as the local clock shows them.
std::string chordSheet(const std::vector<HistoryEntry>& entries);

// Turns the notes played on a MIDI keyboard into chords. A chord is settled when the first of
// its notes is let go, or when a note is added to notes that have stood unchanged for
// kSettleTime: a chord grown note by note and held is kept before it grows. Fewer than two
// notes are no chord. A chord lasts from its first note, or from the chord it follows without
// letting go, until it is settled. Arrival times come from the caller, so the capture needs no
// clock.
class ChordCapture {
 public:
  static constexpr std::chrono::milliseconds kSettleTime{400};
  using Time = std::chrono::steady_clock::time_point;

  struct Settled {
    std::vector<int> notes;       // ascending
    std::vector<int> velocities;  // of each note's press
    std::chrono::milliseconds length{};
  };

  std::optional<Settled> press(int note, int velocity, Time at);
  std::optional<Settled> release(int note, Time at);
  void clear();

 private:
  struct Held {
    int note;
    int velocity;
    Time since;
  };
  std::optional<Settled> settle(Time at);

  std::vector<Held> m_held;  // ascending by note
  Time m_lastChange{};
  Time m_lastSettled{};
  bool m_settled = false;  // the notes held now were kept already
};

}  // namespace tonalis
