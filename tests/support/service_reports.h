// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the reports of a MIDI service (MidiOutput, MidiInput) on a test's thread, as the
// window does on its own.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

namespace tonalis::test {

// Generous: a busy machine may take seconds where an idle one takes milliseconds.
inline constexpr std::chrono::milliseconds kReportTimeout{30000};

template <class Service>
class ServiceReports {
 public:
  using Event = typename decltype(std::declval<Service&>().takeEvents())::value_type;

  explicit ServiceReports(Service& service) : m_service(service) {
    m_service.setWakeUp([this] {
      const std::lock_guard lock(m_mutex);
      m_woken = true;
      m_changed.notify_all();
    });
  }
  ~ServiceReports() { m_service.setWakeUp({}); }
  ServiceReports(const ServiceReports&) = delete;
  ServiceReports& operator=(const ServiceReports&) = delete;

  // The next report of that kind, skipping others; empty when none comes in time.
  std::optional<Event> next(typename Event::Kind kind,
                            std::chrono::milliseconds timeout = kReportTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
      while (!m_taken.empty()) {
        Event event = std::move(m_taken.front());
        m_taken.pop_front();
        if (event.kind == kind) return event;
      }
      std::unique_lock lock(m_mutex);
      if (!m_changed.wait_until(lock, deadline, [this] { return m_woken; })) return std::nullopt;
      m_woken = false;
      lock.unlock();
      for (Event& event : m_service.takeEvents()) m_taken.push_back(std::move(event));
    }
  }

 private:
  Service& m_service;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_woken = false;
  std::deque<Event> m_taken;
};

}  // namespace tonalis::test
