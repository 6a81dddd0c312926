// A MIDI output for tests: configurable device names and open results, and a record of every
// call in order, e.g. "deviceCount", "deviceName(0)", "close", "open(-1)", "short(8338576)".
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "midi/midi_output.h"

namespace tonalis::testing {

class RecordingMidiOutput : public midi::MidiOutput {
 public:
  explicit RecordingMidiOutput(std::vector<std::string> names = {}) : m_names(std::move(names)) {}

  // The code open(id) returns; devices not listed open with kOk.
  void setOpenResult(int id, int code) { m_openResults[id] = code; }

  int deviceCount() override {
    m_calls.emplace_back("deviceCount");
    return static_cast<int>(m_names.size());
  }
  std::string deviceName(int id) override {
    m_calls.push_back("deviceName(" + std::to_string(id) + ")");
    return m_names.at(static_cast<std::size_t>(id));
  }
  int open(int id) override {
    m_calls.push_back("open(" + std::to_string(id) + ")");
    const auto found = m_openResults.find(id);
    m_open = found == m_openResults.end() || found->second == midi::kOk;
    return m_open ? midi::kOk : found->second;
  }
  int close() override {
    m_calls.emplace_back("close");
    const bool wasOpen = m_open;
    m_open = false;
    return wasOpen ? midi::kOk : midi::kInvalidHandle;
  }
  int shortMessage(std::uint32_t message) override {
    m_calls.push_back("short(" + std::to_string(message) + ")");
    m_messages.push_back(message);
    return m_open ? midi::kOk : midi::kInvalidHandle;
  }

  const std::vector<std::string>& calls() const { return m_calls; }
  const std::vector<std::uint32_t>& messages() const { return m_messages; }
  bool isOpen() const { return m_open; }
  void forget() {
    m_calls.clear();
    m_messages.clear();
  }

 private:
  std::vector<std::string> m_names;
  std::map<int, int> m_openResults;
  std::vector<std::string> m_calls;
  std::vector<std::uint32_t> m_messages;
  bool m_open = false;
};

}  // namespace tonalis::testing
