// SPDX-License-Identifier: GPL-3.0-or-later
// The events of a MidiOutput on their way from the thread that makes them to the window's
// thread, with the wake-up call that tells the window they are there. Header only, so that
// stand-in outputs of tests and tools can use it without the MIDI libraries.
#pragma once

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "midi/midi_output.h"

namespace tonalis::midi {

class MidiEventQueue {
 public:
  // As MidiOutput::setWakeUp.
  void setWakeUp(std::function<void()> wakeUp) {
    {
      const std::lock_guard lock(m_wakeUpMutex);
      m_wakeUp = std::move(wakeUp);
    }
    bool waiting = false;
    {
      const std::lock_guard lock(m_eventsMutex);
      waiting = !m_events.empty();
    }
    if (waiting) wake();
  }

  // From any thread.
  void push(MidiEvent event) {
    {
      const std::lock_guard lock(m_eventsMutex);
      m_events.push_back(std::move(event));
    }
    wake();
  }

  std::vector<MidiEvent> take() {
    const std::lock_guard lock(m_eventsMutex);
    return std::exchange(m_events, {});
  }

 private:
  void wake() {
    const std::lock_guard lock(m_wakeUpMutex);
    if (m_wakeUp) m_wakeUp();
  }

  std::mutex m_eventsMutex;
  std::vector<MidiEvent> m_events;
  // Held while the wake-up runs, so that replacing it waits for a call under way.
  std::mutex m_wakeUpMutex;
  std::function<void()> m_wakeUp;
};

}  // namespace tonalis::midi
