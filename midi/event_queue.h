// SPDX-License-Identifier: GPL-3.0-or-later
// The events of a MidiOutput or a MidiInput on their way from the threads that make them to
// the window's thread, with the wake-up call that tells the window they are there: once when
// they start to wait, not again until they have been taken. Header only, so that stand-ins of
// tests and tools can use it without the MIDI libraries.
#pragma once

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace tonalis::midi {

template <typename Event>
class EventQueue {
 public:
  // As MidiOutput::setWakeUp and MidiInput::setWakeUp.
  void setWakeUp(std::function<void()> wakeUp) {
    const std::lock_guard wakeUpLock(m_wakeUpMutex);
    m_wakeUp = std::move(wakeUp);
    bool waiting = false;
    {
      const std::lock_guard lock(m_eventsMutex);
      waiting = !m_events.empty();
      m_woken = waiting && m_wakeUp;
    }
    if (waiting && m_wakeUp) m_wakeUp();
  }

  // From any thread.
  void push(Event event) {
    bool wake = false;
    {
      const std::lock_guard lock(m_eventsMutex);
      m_events.push_back(std::move(event));
      wake = !std::exchange(m_woken, true);
    }
    if (wake) callWakeUp();
  }

  std::vector<Event> take() {
    const std::lock_guard lock(m_eventsMutex);
    m_woken = false;
    return std::exchange(m_events, {});
  }

 private:
  void callWakeUp() {
    const std::lock_guard lock(m_wakeUpMutex);
    // With none set, the next one set is called for what waits.
    if (m_wakeUp) m_wakeUp();
  }

  std::mutex m_eventsMutex;
  std::vector<Event> m_events;
  // Whether the window was told of the events waiting, so that it need not be again.
  bool m_woken = false;
  // Held while the wake-up runs, so that replacing it waits for a call under way.
  std::mutex m_wakeUpMutex;
  std::function<void()> m_wakeUp;
};

// A MidiOutput or MidiInput (`Interface`) whose events wait in a queue of its own: the
// window's two calls are answered from the queue, which the service pushes to.
template <typename Interface, typename Event>
class QueuedEventSource : public Interface {
 public:
  void setWakeUp(std::function<void()> wakeUp) final { m_events.setWakeUp(std::move(wakeUp)); }
  std::vector<Event> takeEvents() final { return m_events.take(); }

 protected:
  EventQueue<Event> m_events;
};

}  // namespace tonalis::midi
