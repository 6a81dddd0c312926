// A private JACK server for tests, on the dummy driver so it needs no sound card, and a
// MIDI input port that records what arrives. Free of any test framework.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class RtMidiIn;

namespace tonalis::test {

// Runs `jackd` under a name of its own for as long as the object lives.
class JackServer {
 public:
  JackServer();
  ~JackServer();
  JackServer(const JackServer&) = delete;
  JackServer& operator=(const JackServer&) = delete;

  // Starts the server and makes it this process's default JACK server
  // (JACK_DEFAULT_SERVER), so call it before any JACK client of the process opens.
  // Returns once the server accepts clients; on failure, says why.
  std::optional<std::string> start();
  // Stops the server and waits until it has gone. Safe to call when it is not running.
  void stop();

  const std::string& name() const { return m_name; }

 private:
  std::optional<std::string> waitUntilAcceptingClients();
  std::string serverOutput() const;

  std::string m_name;
  std::filesystem::path m_logFile;
  pid_t m_pid = -1;
};

// A JACK MIDI input port, "<client>:MIDI in", keeping every message it receives.
class JackMidiRecorder {
 public:
  using Message = std::vector<std::uint8_t>;

  // Registers the port on the default JACK server; check error() afterwards.
  explicit JackMidiRecorder(const std::string& clientName);
  ~JackMidiRecorder();
  JackMidiRecorder(const JackMidiRecorder&) = delete;
  JackMidiRecorder& operator=(const JackMidiRecorder&) = delete;

  const std::optional<std::string>& error() const { return m_error; }
  // Full JACK name of the port, as output port lists show it.
  std::string portName() const;

  // The messages received so far, once there are at least `count` or `timeout` has passed.
  std::vector<Message> waitForMessages(std::size_t count, std::chrono::milliseconds timeout);

 private:
  static void receive(double, std::vector<unsigned char>* message, void* self);

  std::string m_clientName;
  std::unique_ptr<RtMidiIn> m_input;
  std::optional<std::string> m_error;
  std::mutex m_mutex;
  std::condition_variable m_arrived;
  std::vector<Message> m_messages;
};

}  // namespace tonalis::test
