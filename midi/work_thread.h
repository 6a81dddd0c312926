// SPDX-License-Identifier: GPL-3.0-or-later
// A thread of its own that does the work given to it one piece at a time, in order: for
// what may take long or hang behind another program, which must not hold up the caller.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace tonalis::midi {

class WorkThread {
 public:
  // `whileIdle`, when given, is done every `interval` in which no work came.
  explicit WorkThread(std::function<void()> whileIdle = {},
                      std::chrono::milliseconds interval = std::chrono::milliseconds(0));
  // Does the work given before, then stops the thread.
  ~WorkThread();
  WorkThread(const WorkThread&) = delete;
  WorkThread& operator=(const WorkThread&) = delete;

  void post(std::function<void()> work);

 private:
  void run();

  std::function<void()> m_whileIdle;
  std::chrono::milliseconds m_interval;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<std::function<void()>> m_work;
  bool m_stopping = false;
  std::thread m_thread;  // last: it starts once everything above exists
};

}  // namespace tonalis::midi
