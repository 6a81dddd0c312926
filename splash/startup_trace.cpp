// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/startup_trace.h"

#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace tonalis {
namespace {

// Milliseconds since boot at which this process started: field 22 of /proc/self/stat, in
// clock ticks, on the clock CLOCK_BOOTTIME reads. A tick is 10 ms on Linux.
double processStartMilliseconds() {
  std::ifstream file("/proc/self/stat");
  const std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // The command name, field 2, may hold blanks; the fields after it are counted from its ')'.
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  for (int number = 3; number < 22; ++number) fields >> field;
  unsigned long long ticks = 0;
  fields >> ticks;
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double bootClockMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return 1000.0 * static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e6;
}

QWidget* widgetOf(const QWindow* window) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->windowHandle() == window) return widget;
  }
  return nullptr;
}

class StartupTrace final : public QObject {
 public:
  explicit StartupTrace(QObject* parent) : QObject(parent), m_start(processStartMilliseconds()) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose) {
      auto* window = qobject_cast<QWindow*>(watched);
      if (window == nullptr || m_painted.contains(window)) return false;
      // A widget window paints its widgets and puts them on screen while it handles its
      // expose event, so the line is written once that is done.
      watched->event(event);
      if (window->isExposed()) {
        m_painted.insert(window);
        write("painted", widgetOf(window));
      }
      return true;
    }
    if (event->type() == QEvent::Hide) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget != nullptr && widget->isWindow()) write("hidden", widget);
    }
    return false;
  }

 private:
  void write(const char* what, const QWidget* widget) const {
    std::fprintf(stderr, "tonalis-trace %.1f %s %s\n", bootClockMilliseconds() - m_start, what,
                 widget != nullptr ? widget->metaObject()->className() : "window");
    std::fflush(stderr);
  }

  double m_start;
  QSet<const QWindow*> m_painted;
};

}  // namespace

void traceStartupIfAsked() {
  static bool installed = false;
  if (installed || std::getenv("TONALIS_STARTUP_TRACE") == nullptr || qApp == nullptr) return;
  installed = true;
  qApp->installEventFilter(new StartupTrace(qApp));
}

}  // namespace tonalis
