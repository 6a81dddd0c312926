// Takes a MIDI output's reports on a test's thread, as the window does on its own.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "midi/midi_output.h"

namespace tonalis::test {

inline constexpr std::chrono::milliseconds kReportTimeout{5000};

class Reports {
 public:
  explicit Reports(midi::MidiOutput& output) : m_output(output) {
    m_output.setWakeUp([this] {
      const std::lock_guard lock(m_mutex);
      m_woken = true;
      m_changed.notify_all();
    });
  }
  ~Reports() { m_output.setWakeUp({}); }

  // The next report of that kind, skipping others; empty when none comes in time.
  std::optional<midi::MidiEvent> next(midi::MidiEvent::Kind kind,
                                      std::chrono::milliseconds timeout = kReportTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
      while (!m_taken.empty()) {
        midi::MidiEvent event = std::move(m_taken.front());
        m_taken.pop_front();
        if (event.kind == kind) return event;
      }
      std::unique_lock lock(m_mutex);
      if (!m_changed.wait_until(lock, deadline, [this] { return m_woken; })) return std::nullopt;
      m_woken = false;
      lock.unlock();
      for (midi::MidiEvent& event : m_output.takeEvents()) m_taken.push_back(std::move(event));
    }
  }
  int opened() { return codeOf(midi::MidiEvent::Kind::kOpened); }
  int closed() { return codeOf(midi::MidiEvent::Kind::kClosed); }
  std::vector<std::string> listed() {
    const std::optional<midi::MidiEvent> event = next(midi::MidiEvent::Kind::kDevicesListed);
    return event ? event->devices : std::vector<std::string>{"(no list came)"};
  }

 private:
  int codeOf(midi::MidiEvent::Kind kind) {
    const std::optional<midi::MidiEvent> event = next(kind);
    return event ? event->code : -1;
  }

  midi::MidiOutput& m_output;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_woken = false;
  std::deque<midi::MidiEvent> m_taken;
};

}  // namespace tonalis::test
