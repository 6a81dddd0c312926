// Ends the program on SIGINT, SIGTERM and SIGHUP (Ctrl+C in its terminal, `kill`, the terminal
// going away) the way closing its window does, instead of dying with notes still sounding.
#pragma once

#include <QObject>
#include <array>
#include <functional>

class QSocketNotifier;

namespace tonalis {

class QuitOnSignals : public QObject {
 public:
  // From construction on, each of the signals makes the event loop call `quit`. Only one may
  // live at a time; the signals get their default actions back when it goes.
  explicit QuitOnSignals(std::function<void()> quit, QObject* parent = nullptr);
  ~QuitOnSignals() override;
  QuitOnSignals(const QuitOnSignals&) = delete;
  QuitOnSignals& operator=(const QuitOnSignals&) = delete;

 private:
  void takeSignal();

  std::function<void()> m_quit;
  // A signal handler may do almost nothing: it writes a byte here, and the event loop, woken by
  // the notifier on the other end, does the work.
  std::array<int, 2> m_pipe{-1, -1};
  QSocketNotifier* m_notifier = nullptr;
};

}  // namespace tonalis
