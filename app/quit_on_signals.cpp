// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quit_on_signals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <thread>
#include <utility>

namespace tonalis {
namespace {

constexpr std::array kQuitSignals{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t g_wakeFd = -1;
volatile std::sig_atomic_t g_lastSignal = 0;
sem_t* volatile g_signalled = nullptr;

void wakeEventLoop(int signal) {
  const int savedErrno = errno;
  const char byte = 1;
  g_lastSignal = signal;
  // A full pipe already holds a wake-up, so a write that fails loses nothing.
  [[maybe_unused]] const ssize_t written = write(g_wakeFd, &byte, 1);
  sem_post(g_signalled);
  errno = savedErrno;
}

// Ends the program as `signal` does by default.
[[noreturn]] void endBy(int signal) {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  sigset_t unblocked;
  sigemptyset(&unblocked);
  sigaddset(&unblocked, signal);
  pthread_sigmask(SIG_UNBLOCK, &unblocked, nullptr);
  kill(getpid(), signal);
  _exit(128 + signal);
}

// Waits up to `timeout` for `flag`; a few checks a second are plenty for a program that ends.
bool waitFor(const std::atomic<bool>& flag, std::chrono::milliseconds timeout) {
  constexpr auto kCheck = std::chrono::milliseconds(50);
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!flag.load()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kCheck);
  }
  return true;
}

void setHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kQuitSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

QuitOnSignals::QuitOnSignals(std::function<void()> quit, QObject* parent,
                             std::chrono::milliseconds takeGrace,
                             std::chrono::milliseconds quitGrace)
    : QObject(parent), m_quit(std::move(quit)) {
  if (pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
  sem_init(&m_signalled, 0, 0);
  g_wakeFd = m_pipe[1];
  g_signalled = &m_signalled;
  m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignals::takeSignal);
  m_watch = std::thread([this, takeGrace, quitGrace] { watch(takeGrace, quitGrace); });
  setHandler(&wakeEventLoop);
}

QuitOnSignals::~QuitOnSignals() {
  if (m_notifier == nullptr) return;
  setHandler(SIG_DFL);
  m_ending = true;
  sem_post(&m_signalled);
  m_watch.join();
  g_wakeFd = -1;
  g_signalled = nullptr;
  sem_destroy(&m_signalled);
  close(m_pipe[0]);
  close(m_pipe[1]);
}

void QuitOnSignals::takeSignal() {
  char bytes[16];
  while (read(m_pipe[0], bytes, sizeof bytes) > 0) continue;
  m_taken = true;
  m_quit();
}

void QuitOnSignals::watch(std::chrono::milliseconds takeGrace,
                          std::chrono::milliseconds quitGrace) {
  while (sem_wait(&m_signalled) != 0 && errno == EINTR) continue;
  if (m_ending) return;
  const int signal = g_lastSignal;
  if (!waitFor(m_taken, takeGrace) || !waitFor(m_ending, quitGrace)) endBy(signal);
}

}  // namespace tonalis
