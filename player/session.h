// SPDX-License-Identifier: GPL-3.0-or-later
// One session of picking, playing and reading chords, without a window: the selection, the
// chart's root, the notes held on a MIDI keyboard as they were played, everything that sounds,
// and the output and input chosen, by name. A window draws its view and forwards its events.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "midi/midi_thru.h"
#include "player/note_player.h"
#include "theory/chord_reader.h"
#include "theory/held_keys.h"
#include "theory/key_finding.h"
#include "theory/selection.h"

namespace tonalis {

namespace midi {
struct NoteEvent;
}

// What a window shows of a session.
struct SessionView {
  theory::Selection selection;
  int chartRoot = 0;             // root key 1..12 of the chart shown; 0 when none is
  theory::Selection heldKeys;    // the notes held, folded onto the keyboard
  std::vector<int> heldPitches;  // the same notes as played, ascending MIDI notes
};

class Session {
 public:
  // `output` must outlive the session.
  explicit Session(midi::MidiOutput& output);

  SessionView view() const;
  const theory::Selection& selection() const { return m_selection; }
  void select(const theory::Selection& selection) { m_selection = selection; }
  int chartRoot() const { return m_chartRoot; }
  // The chart of root key 1..12; 0 takes it away.
  void showChart(int rootKey) { m_chartRoot = rootKey; }

  // Keys and chart chords sound through the note player; the chord of a picture is the one
  // the chart shows there, nothing without a chart.
  NotePlayer& player() { return m_player; }
  const NotePlayer& player() const { return m_player; }
  void pressChord(int picture);
  void releaseChord(int picture);
  // The chart keys of the picture's chord, ascending.
  std::vector<int> chordKeys(int picture) const;

  // A note or pedal from the MIDI keyboard: it sounds through the thru and is held.
  void play(const midi::NoteEvent& event);
  // What the playing left as the selection when everything was let go, once.
  std::optional<theory::Selection> takePlayed() { return std::exchange(m_played, std::nullopt); }
  // Before the input or the output changes: nothing of the thru sounds on, nothing is held.
  void endPlaying();

  // The readings of the notes held, as played, so that a low bass stays the bass; with none
  // held, of the selection.
  std::vector<theory::ChordReading> reading(const theory::ReadingOptions& options) const;
  // The key the notes played lately suggest.
  std::optional<theory::MusicalKey> guessedKey() const { return m_recentNotes.guessedKey(); }

  // The output device chosen, by name (midi::kMidiMapper for the built-in synthesizer); none
  // before the first choice.
  const std::optional<std::string>& outputDevice() const { return m_outputDevice; }
  void chooseOutput(std::string device) { m_outputDevice = std::move(device); }
  // The input port in use or being opened, empty for none.
  const std::string& inputPort() const { return m_inputPort; }
  void chooseInput(std::string port) { m_inputPort = std::move(port); }

 private:
  theory::Selection m_selection;
  int m_chartRoot = 0;
  NotePlayer m_player;
  midi::MidiThru m_thru;
  theory::HeldKeys m_held;
  std::optional<theory::Selection> m_played;
  theory::RecentNotes m_recentNotes;
  std::optional<std::string> m_outputDevice;
  std::string m_inputPort;
};

}  // namespace tonalis
