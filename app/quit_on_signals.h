// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the program on SIGINT, SIGTERM and SIGHUP (Ctrl+C in its terminal, `kill`, the terminal
// going away) the way closing its window does, instead of dying with notes still sounding.
#pragma once

#include <semaphore.h>

#include <QObject>
#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

class QSocketNotifier;

namespace tonalis {

class QuitOnSignals : public QObject {
 public:
  // From construction on, each of the signals makes the event loop call `quit`. Only one may
  // live at a time; the signals get their default actions back when it goes. When the event
  // loop does not take the signal within `takeGrace` (the window's thread is stuck), or the
  // program has not ended `quitGrace` after it did, the signal ends the program as it would
  // without this object.
  explicit QuitOnSignals(std::function<void()> quit, QObject* parent = nullptr,
                         std::chrono::milliseconds takeGrace = std::chrono::seconds(3),
                         std::chrono::milliseconds quitGrace = std::chrono::seconds(20));
  ~QuitOnSignals() override;
  QuitOnSignals(const QuitOnSignals&) = delete;
  QuitOnSignals& operator=(const QuitOnSignals&) = delete;

 private:
  void takeSignal();
  void watch(std::chrono::milliseconds takeGrace, std::chrono::milliseconds quitGrace);

  std::function<void()> m_quit;
  // A signal handler may do almost nothing: it writes a byte here, and the event loop, woken by
  // the notifier on the other end, does the work.
  std::array<int, 2> m_pipe{-1, -1};
  QSocketNotifier* m_notifier = nullptr;
  // The handler posts it; the watch, on a thread of its own, makes sure the signal is heard.
  sem_t m_signalled{};
  std::atomic<bool> m_taken{false};
  std::atomic<bool> m_ending{false};
  std::thread m_watch;
};

}  // namespace tonalis
