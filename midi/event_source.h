// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI service seen from the window: it works on threads of its own and reports, as events,
// what the window must know.
#pragma once

#include <functional>
#include <vector>

namespace tonalis::midi {

template <typename Event>
class EventSource {
 public:
  virtual ~EventSource() = default;

  // `wakeUp` is called, from any thread, when events start to wait; it must only arrange for
  // takeEvents() to be called on the window's thread. It is not called again until they have
  // been taken, so a flood of events costs the window one pass for all that came meanwhile.
  // Pass an empty function to stop the calls: once this returns, the previous function is
  // not running any more. Events that wait when it is set call it at once.
  virtual void setWakeUp(std::function<void()> wakeUp) = 0;
  // The events since the last call, in the order they happened.
  virtual std::vector<Event> takeEvents() = 0;
};

}  // namespace tonalis::midi
