// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/work_thread.h"

#include <utility>

namespace tonalis::midi {

WorkThread::WorkThread(std::function<void()> whileIdle, std::chrono::milliseconds interval)
    : m_whileIdle(std::move(whileIdle)), m_interval(interval), m_thread([this] { run(); }) {}

WorkThread::~WorkThread() {
  {
    const std::lock_guard lock(m_mutex);
    m_stopping = true;
  }
  m_wake.notify_one();
  m_thread.join();
}

void WorkThread::post(std::function<void()> work) {
  {
    const std::lock_guard lock(m_mutex);
    m_work.push_back(std::move(work));
  }
  m_wake.notify_one();
}

void WorkThread::run() {
  const auto ready = [this] { return !m_work.empty() || m_stopping; };
  for (;;) {
    std::function<void()> work;
    {
      std::unique_lock lock(m_mutex);
      if (m_whileIdle) {
        if (!m_wake.wait_for(lock, m_interval, ready)) {
          lock.unlock();
          m_whileIdle();
          continue;
        }
      } else {
        m_wake.wait(lock, ready);
      }
      if (m_work.empty()) return;
      work = std::move(m_work.front());
      m_work.pop_front();
    }
    work();
  }
}

}  // namespace tonalis::midi
