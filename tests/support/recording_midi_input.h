// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI input for tests: configurable port names and open results, a record of every call in
// order ("listPorts", "open(name)", "close"), and notes and losses played by the test. It does
// each thing at once and reports it as the real input does, through events that the window
// takes on its next pass through the event loop.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "midi/event_queue.h"
#include "midi/midi_input.h"

namespace tonalis::testing {

class RecordingMidiInput : public midi::QueuedEventSource<midi::MidiInput, midi::InputEvent> {
 public:
  explicit RecordingMidiInput(std::vector<std::string> ports = {}) : m_ports(std::move(ports)) {
    m_events.push(midi::InputEvent::listed(m_ports));
  }

  // The list the next listPorts() reads.
  void setPorts(std::vector<std::string> ports) { m_ports = std::move(ports); }
  // The code open(port) reports; listed ports open with kOk, others with kBadDeviceId.
  void setOpenResult(const std::string& port, int code) { m_openResults[port] = code; }
  // A note played on the open port; nothing comes when none is open.
  void play(const midi::NoteEvent& note) {
    if (!m_open.empty()) m_events.push(midi::InputEvent::played(note));
  }
  // The open port goes away, as the real input reports it.
  void losePort() { m_events.push(midi::InputEvent::lost(std::exchange(m_open, {}))); }

  void listPorts() override {
    m_calls.emplace_back("listPorts");
    m_events.push(midi::InputEvent::listed(m_ports));
  }
  void open(const std::string& port) override {
    m_calls.push_back("open(" + port + ")");
    const auto found = m_openResults.find(port);
    const bool listed = std::find(m_ports.begin(), m_ports.end(), port) != m_ports.end();
    const int code = found != m_openResults.end() ? found->second
                     : listed                     ? midi::kOk
                                                  : midi::kBadDeviceId;
    m_open = code == midi::kOk ? port : std::string();
    m_events.push(midi::InputEvent::opened(code, port));
  }
  void close() override {
    m_calls.emplace_back("close");
    const bool wasOpen = !std::exchange(m_open, {}).empty();
    m_events.push(midi::InputEvent::closed(wasOpen ? midi::kOk : midi::kInvalidHandle));
  }

  const std::vector<std::string>& calls() const { return m_calls; }
  const std::string& openPort() const { return m_open; }

 private:
  std::vector<std::string> m_ports;
  std::map<std::string, int> m_openResults;
  std::vector<std::string> m_calls;
  std::string m_open;
};

}  // namespace tonalis::testing
