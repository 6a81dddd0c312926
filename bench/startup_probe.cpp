// Start-up probe: does what the program does at start, minus the splash screen's delay, and
// prints how long it took from the start of the process until the main window was shown and
// painted, and the resident memory at that moment. scripts/bench.sh runs it several times.
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QWindow>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "main_window/frm_main.h"
#include "main_window/message_box.h"
#include "main_window/qt_page_printer.h"
#include "midi/system_midi_output.h"
#include "resources/app_icon.h"

namespace {

// The load step may report a device that does not open; the probe must not wait for a click.
class StderrMessageBox : public tonalis::MessageBox {
 public:
  void show(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
  bool ask(const QString& question) override {
    show(question);
    return false;
  }
};

// Seconds since boot at which this process started, from /proc/self/stat (field 22, in clock
// ticks), on the clock that CLOCK_BOOTTIME reads.
double processStartSeconds() {
  std::ifstream file("/proc/self/stat");
  std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // The command name, field 2, may hold blanks; the fields after it are counted from its ')'.
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  for (int number = 3; number < 22; ++number) fields >> field;
  unsigned long long ticks = 0;
  fields >> ticks;
  return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double bootClockSeconds() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long statusKilobytes(const std::string& key) {
  std::ifstream file("/proc/self/status");
  for (std::string line; std::getline(file, line);) {
    if (line.starts_with(key + ":")) return std::stol(line.substr(key.size() + 1));
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tonalis"));
  QApplication::setWindowIcon(tonalis::appIcon());

  tonalis::midi::SystemMidiOutput output;
  StderrMessageBox messages;
  tonalis::QtPagePrinter printer;
  tonalis::frmMain window(output, messages, printer);
  window.load();
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  QCoreApplication::processEvents();  // the first paint

  const double startupMs = (bootClockSeconds() - processStartSeconds()) * 1000.0;
  std::printf("startup_ms %.1f\nrss_kb %ld\npeak_rss_kb %ld\n", startupMs, statusKilobytes("VmRSS"),
              statusKilobytes("VmHWM"));
  return 0;
}
