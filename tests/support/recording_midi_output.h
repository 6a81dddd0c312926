// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI output for tests: configurable device names and open results, and a record of every
// call in order, e.g. "deviceCount", "deviceName(0)", "listDevices", "close", "open(-1)",
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

class RecordingMidiOutput : public midi::MidiOutput {
 public:
  explicit RecordingMidiOutput(std::vector<std::string> names = {}) : m_names(std::move(names)) {
    pushListing();
  }

  // The code open(id) returns; devices not listed open with kOk.
  void setOpenResult(int id, int code) { m_openResults[id] = code; }
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

  void setWakeUp(std::function<void()> wakeUp) override { m_events.setWakeUp(std::move(wakeUp)); }
  std::vector<midi::MidiEvent> takeEvents() override { return m_events.take(); }

  int deviceCount() override {
    m_calls.emplace_back("deviceCount");
    return static_cast<int>(m_names.size());
  }
  std::string deviceName(int id) override {
    m_calls.push_back("deviceName(" + std::to_string(id) + ")");
    return m_names.at(static_cast<std::size_t>(id));
  }
  void listDevices() override {
    m_calls.emplace_back("listDevices");
    if (m_nextNames) m_names = *std::exchange(m_nextNames, std::nullopt);
    pushListing();
  }
  void open(int id) override {
    m_calls.push_back("open(" + std::to_string(id) + ")");
    const auto found = m_openResults.find(id);
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
    return midi::kOk;
  }

  const std::vector<std::string>& calls() const { return m_calls; }
  const std::vector<std::uint32_t>& messages() const { return m_messages; }
  // The notes sounding after the messages sent, by channel and note: a note-off ends the note
  // on its channel whoever started it, as a synthesizer does.
  std::set<std::pair<int, int>> sounding() const {
    std::set<std::pair<int, int>> notes;
    for (const std::uint32_t m : m_messages) {
      const std::pair<int, int> note{static_cast<int>(m & 0x0F), static_cast<int>(m >> 8 & 0x7F)};
      const bool on = (m & 0xF0) == 0x90 && (m >> 16 & 0x7F) > 0;
      if (on) {
        notes.insert(note);
      } else if ((m & 0xF0) == 0x80 || (m & 0xF0) == 0x90) {
        notes.erase(note);
      }
    }
    return notes;
  }
  bool isOpen() const { return m_open; }
  void forget() {
    m_calls.clear();
    m_messages.clear();
  }

 private:
  void pushListing() { m_events.push(midi::MidiEvent::listed(m_names)); }

  std::vector<std::string> m_names;
  std::optional<std::vector<std::string>> m_nextNames;
  std::map<int, int> m_openResults;
  std::map<std::string, std::string> m_soundFontFailures;
  std::string m_playingSoundFont;
  std::vector<std::string> m_calls;
  std::vector<std::uint32_t> m_messages;
  bool m_open = false;
  midi::EventQueue<midi::MidiEvent> m_events;
};

}  // namespace tonalis::testing
