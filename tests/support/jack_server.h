// SPDX-License-Identifier: GPL-3.0-or-later
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

struct _jack_client;

namespace tonalis::test {

// The test servers' turn, held without running one: while it lives, no test process starts or
// stops a JACK server. A test that expects libjack to stay quiet holds it, because libjack keeps
// one metadata store per user, which every server that stops removes; a client opening it at
// that moment has the store's library print the missing file.
class JackServerTurn {
 public:
  // Blocks until no other test process holds the turn.
  JackServerTurn();
  ~JackServerTurn();
  JackServerTurn(const JackServerTurn&) = delete;
  JackServerTurn& operator=(const JackServerTurn&) = delete;

 private:
  int m_lock = -1;
};

// Runs `jackd`, under the name all test servers share, for as long as the object lives.
//
// Servers of different test processes take turns (a lock file held from the first start()
// until the object goes): JACK names a client's socket after the client alone, not its server,
// so two clients of the same name ("Tonalis", say) in two test processes would break each
// other. A test that stops its server and starts it again keeps its turn meanwhile, so its
// program's clients never reach another test's server of the same name.
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
  // Stops the server and waits until it has gone, keeping the turn. Safe to call when it is
  // not running.
  void stop();

  // What the server printed so far, for failure messages.
  std::string serverOutput() const;

 private:
  std::optional<std::string> waitUntilAcceptingClients();
  void terminate();

  std::string m_name;
  std::filesystem::path m_logFile;
  pid_t m_pid = -1;
  std::optional<JackServerTurn> m_turn;
};

// A plain JACK client of a test with one MIDI port, "<client>:<port>", active while the
// object lives. The server's threads reach what they use through a block that is freed only
// with a client closed here: a client whose server went is left to libjack, which closes it
// when the process next opens one, and its threads may still be winding down until then.
class JackTestClient {
 public:
  using Message = std::vector<std::uint8_t>;
  enum class Direction { kInput, kOutput };

  // Registers the port on the default JACK server; check error() afterwards.
  JackTestClient(const std::string& clientName, Direction direction);
  // Deactivates the client before it lets go of its port and closes, while its server runs.
  ~JackTestClient();
  JackTestClient(const JackTestClient&) = delete;
  JackTestClient& operator=(const JackTestClient&) = delete;

  const std::optional<std::string>& error() const { return m_error; }
  // Full JACK name of the port, as port lists show it.
  const std::string& portName() const { return m_portName; }
  // Whether `count` ports are connected to the port, waiting up to `timeout`.
  bool waitForConnections(int count, std::chrono::milliseconds timeout) const;
  // For an input port: the messages received so far, once there are at least `count` or
  // `timeout` has passed.
  std::vector<Message> waitForMessages(std::size_t count, std::chrono::milliseconds timeout);
  // For an output port: sends `bytes` as one JACK MIDI event in a coming cycle, in order.
  void send(const Message& bytes);

  struct Shared;

 private:
  // Its server stopped: it heard so, or a test server of this process was stopped since it
  // opened.
  bool serverGone() const;

  std::string m_portName;
  std::optional<std::string> m_error;
  _jack_client* m_client = nullptr;
  Shared* m_shared = nullptr;
  int m_serverStopsAtOpen;
};

// A JACK MIDI input port, "<client>:MIDI in", keeping every message it receives.
class JackMidiRecorder {
 public:
  using Message = JackTestClient::Message;

  explicit JackMidiRecorder(const std::string& clientName)
      : m_client(clientName, JackTestClient::Direction::kInput) {}

  const std::optional<std::string>& error() const { return m_client.error(); }
  const std::string& portName() const { return m_client.portName(); }

  // Whether `count` output ports are connected to this one, waiting up to `timeout`.
  // A sender's messages are lost until the JACK server has put its connection into the
  // processing graph, which it does at the start of a cycle some time after the sender
  // connects: wait for 1 before sending right after opening the port (and for 0 after
  // closing it, before opening it again).
  bool waitForConnections(int count, std::chrono::milliseconds timeout) {
    return m_client.waitForConnections(count, timeout);
  }
  // The messages received so far, once there are at least `count` or `timeout` has passed.
  std::vector<Message> waitForMessages(std::size_t count, std::chrono::milliseconds timeout) {
    return m_client.waitForMessages(count, timeout);
  }

 private:
  JackTestClient m_client;
};

// A JACK MIDI output port, "<client>:MIDI out", that plays what it is given.
class JackMidiSender {
 public:
  using Message = JackTestClient::Message;

  explicit JackMidiSender(const std::string& clientName)
      : m_client(clientName, JackTestClient::Direction::kOutput) {}

  const std::optional<std::string>& error() const { return m_client.error(); }
  const std::string& portName() const { return m_client.portName(); }
  // As JackMidiRecorder's: what is sent before the connection is in the graph is lost.
  bool waitForConnections(int count, std::chrono::milliseconds timeout) {
    return m_client.waitForConnections(count, timeout);
  }
  // Sends `bytes` as one JACK MIDI event in the server's next cycle, whatever they are.
  void send(const Message& bytes) { m_client.send(bytes); }

 private:
  JackTestClient m_client;
};

// A receiving client in a process of its own (tests/support/jack_midi_sink.cpp), for what
// a client of this process cannot show: a program that is stuck, or another program's
// client. Its port is "<client>:MIDI in", as a JackMidiRecorder's.
class JackMidiSinkProcess {
 public:
  using Message = JackMidiRecorder::Message;

  explicit JackMidiSinkProcess(std::string clientName);
  ~JackMidiSinkProcess();
  JackMidiSinkProcess(const JackMidiSinkProcess&) = delete;
  JackMidiSinkProcess& operator=(const JackMidiSinkProcess&) = delete;

  // Starts it on the default JACK server; returns once its port is there, or says why not.
  std::optional<std::string> start();
  std::string portName() const;

  // Stops the process (SIGSTOP) and lets it go on (SIGCONT).
  void pause();
  void resume();

  // The messages it printed so far, once there are at least `count` or `timeout` has passed.
  std::vector<Message> waitForMessages(std::size_t count, std::chrono::milliseconds timeout);

 private:
  bool readLine(std::string& line, std::chrono::steady_clock::time_point deadline);

  std::string m_clientName;
  pid_t m_pid = -1;
  int m_output = -1;
  std::string m_unread;
  std::vector<Message> m_messages;
};

}  // namespace tonalis::test
