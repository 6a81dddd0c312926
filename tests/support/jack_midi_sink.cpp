// SPDX-License-Identifier: GPL-3.0-or-later
// A receiving JACK MIDI client in a process of its own, for tests that stop it (SIGSTOP) as a
// stuck program would be, or that need a client of another program:
//   jack_midi_sink CLIENT-NAME
// It registers "CLIENT-NAME:MIDI in" on the default JACK server, prints "ready", then one line
// per message received, its bytes in hex ("90 3c 7f"). SIGTERM ends it, leaving the server
// as a program that quits does.
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "support/jack_server.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CLIENT-NAME\n", argv[0]);
    return 2;
  }
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &ending, nullptr);

  tonalis::test::JackMidiRecorder recorder(argv[1]);
  if (recorder.error()) {
    std::fprintf(stderr, "%s\n", recorder.error()->c_str());
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  std::atomic<bool> ended{false};
  std::thread printer([&] {
    for (std::size_t printed = 0; !ended;) {
      const auto messages = recorder.waitForMessages(printed + 1, std::chrono::milliseconds(50));
      for (; printed < messages.size(); ++printed) {
        for (const std::uint8_t byte : messages[printed]) std::printf("%02x ", byte);
        std::printf("\n");
      }
      std::fflush(stdout);
    }
  });
  int signal = 0;
  sigwait(&ending, &signal);
  ended = true;
  printer.join();
  return 0;
}
