// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI output for tests: configurable device names and open results, and a record of every
// call in order, e.g. "listDevices", "close", "open(MIDI Mapper)",
// "short(8338576)", "soundFont(/a.sf2)". It does each thing at once and reports it as the real
// output does, through events that the window takes on its next pass through the event loop.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "midi/event_queue.h"
#include "midi/midi_output.h"

namespace tonalis::testing {

class RecordingMidiOutput : public midi::QueuedEventSource<midi::MidiOutput, midi::MidiEvent> {
 public:
  explicit RecordingMidiOutput(std::vector<std::string> names = {}) : m_names(std::move(names)) {
    pushListing();
  }

  // The code open(device) reports; others open with kOk.
  void setOpenResult(const std::string& device, int code) { m_openResults[device] = code; }
  // The list the next listDevices() reads.
  void setNextNames(std::vector<std::string> names) { m_nextNames = std::move(names); }
  // The open device stops working, as the real output reports a server that went away.
  void loseDevice(const std::string& name) {
    m_open = false;
    m_events.push(midi::MidiEvent::lost(name));
  }

  // chooseSoundFont(`file`) fails for `reason`; other files load.
  void setSoundFontFailure(const std::string& file, std::string reason) {
    m_soundFontFailures[file] = std::move(reason);
  }
  // As the synthesizer starting on `playing` reports the user's `file` that did not load.
  void skipSoundFont(std::string file, std::string reason, std::string playing) {
    m_playingSoundFont = playing;
    m_events.push(
        midi::MidiEvent::soundFontFailed(std::move(file), std::move(reason), std::move(playing)));
  }

  void listDevices() override {
    m_calls.emplace_back("listDevices");
    if (m_nextNames) m_names = *std::exchange(m_nextNames, std::nullopt);
    pushListing();
  }
  void open(const std::string& device) override {
    m_calls.push_back("open(" + device + ")");
    const auto found = m_openResults.find(device);
    m_open = found == m_openResults.end() || found->second == midi::kOk;
    m_events.push(midi::MidiEvent::opened(m_open ? midi::kOk : found->second));
  }
  void close() override {
    m_calls.emplace_back("close");
    const bool wasOpen = m_open;
    m_open = false;
    m_events.push(midi::MidiEvent::closed(wasOpen ? midi::kOk : midi::kInvalidHandle));
  }
  void chooseSoundFont(const std::string& file) override {
    m_calls.push_back("soundFont(" + file + ")");
    const auto failure = m_soundFontFailures.find(file);
    if (failure == m_soundFontFailures.end()) {
      m_playingSoundFont = file;
      m_events.push(midi::MidiEvent::soundFontLoaded(file));
    } else {
      m_events.push(midi::MidiEvent::soundFontFailed(file, failure->second, m_playingSoundFont));
    }
  }
  int shortMessage(std::uint32_t message) override {
    m_calls.push_back("short(" + std::to_string(message) + ")");
    m_messages.push_back(message);
    const std::pair<int, int> note{static_cast<int>(message & 0x0F),
                                   static_cast<int>(message >> 8 & 0x7F)};
    const std::uint32_t status = message & 0xF0;
    if (status == 0x90 && (message >> 16 & 0x7F) > 0) {
      m_sounding.insert(note);
    } else if (status == 0x80 || status == 0x90) {
      m_sounding.erase(note);
    }
    return midi::kOk;
  }

  const std::vector<std::string>& calls() const { return m_calls; }
  const std::vector<std::uint32_t>& messages() const { return m_messages; }
  // The notes sounding now, by channel and note, after every message sent (forget() leaves
  // them): a note-off ends the note on its channel whoever started it, as a synthesizer does.
  const std::set<std::pair<int, int>>& sounding() const { return m_sounding; }
  bool isOpen() const { return m_open; }
  void forget() {
    m_calls.clear();
    m_messages.clear();
  }

 private:
  void pushListing() { m_events.push(midi::MidiEvent::listed(m_names)); }

  std::vector<std::string> m_names;
  std::optional<std::vector<std::string>> m_nextNames;
  std::map<std::string, int> m_openResults;
  std::map<std::string, std::string> m_soundFontFailures;
  std::string m_playingSoundFont;
  std::vector<std::string> m_calls;
  std::vector<std::uint32_t> m_messages;
  std::set<std::pair<int, int>> m_sounding;
  bool m_open = false;
};

}  // namespace tonalis::testing
