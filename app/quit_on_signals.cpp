#include "app/quit_on_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <utility>

namespace tonalis {
namespace {

constexpr std::array kQuitSignals{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t g_wakeFd = -1;

void wakeEventLoop(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // A full pipe already holds a wake-up, so a write that fails loses nothing.
  [[maybe_unused]] const ssize_t written = write(g_wakeFd, &byte, 1);
  errno = savedErrno;
}

void setHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kQuitSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

QuitOnSignals::QuitOnSignals(std::function<void()> quit, QObject* parent)
    : QObject(parent), m_quit(std::move(quit)) {
  if (pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
  g_wakeFd = m_pipe[1];
  m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignals::takeSignal);
  setHandler(&wakeEventLoop);
}

QuitOnSignals::~QuitOnSignals() {
  if (m_notifier == nullptr) return;
  setHandler(SIG_DFL);
  g_wakeFd = -1;
  close(m_pipe[0]);
  close(m_pipe[1]);
}

void QuitOnSignals::takeSignal() {
  char bytes[16];
  while (read(m_pipe[0], bytes, sizeof bytes) > 0) continue;
  m_quit();
}

}  // namespace tonalis
