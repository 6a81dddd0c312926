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
class RtMidiOut;
struct _jack_client;

namespace tonalis::test {

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
  int m_turnLock = -1;
};

// What a test's own JACK MIDI port keeps beside the port: its full name and a plain JACK client
// that watches its connections.
class JackPortWatch {
 public:
  JackPortWatch(const std::string& clientName, const std::string& portName);

  // Whether the watching client reached the default JACK server; when not, says why.
  const std::optional<std::string>& error() const { return m_error; }
  // Full JACK name of the port, as port lists show it.
  const std::string& portName() const { return m_portName; }
  // Whether `count` ports are connected to the port, waiting up to `timeout`.
  bool waitForConnections(int count, std::chrono::milliseconds timeout) const;

 private:
  std::string m_portName;
  std::unique_ptr<_jack_client, int (*)(_jack_client*)> m_monitor;
  std::optional<std::string> m_error;
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
  const std::string& portName() const { return m_watch.portName(); }

  // Whether `count` output ports are connected to this one, waiting up to `timeout`.
  // A sender's messages are lost until the JACK server has put its connection into the
  // processing graph, which it does at the start of a cycle some time after the sender
  // connects: wait for 1 before sending right after opening the port (and for 0 after
  // closing it, before opening it again).
  bool waitForConnections(int count, std::chrono::milliseconds timeout);

  // The messages received so far, once there are at least `count` or `timeout` has passed.
  std::vector<Message> waitForMessages(std::size_t count, std::chrono::milliseconds timeout);

 private:
  static void receive(double, std::vector<unsigned char>* message, void* self);

  std::unique_ptr<RtMidiIn> m_input;
  JackPortWatch m_watch;
  std::optional<std::string> m_error;
  std::mutex m_mutex;
  std::condition_variable m_arrived;
  std::vector<Message> m_messages;
};

// A JACK MIDI output port, "<client>:MIDI out", that plays what it is given.
class JackMidiSender {
 public:
  using Message = std::vector<std::uint8_t>;

  // Registers the port on the default JACK server; check error() afterwards.
  explicit JackMidiSender(const std::string& clientName);
  ~JackMidiSender();
  JackMidiSender(const JackMidiSender&) = delete;
  JackMidiSender& operator=(const JackMidiSender&) = delete;

  const std::optional<std::string>& error() const { return m_error; }
  const std::string& portName() const { return m_watch.portName(); }
  // As JackMidiRecorder's: what is sent before the connection is in the graph is lost.
  bool waitForConnections(int count, std::chrono::milliseconds timeout);
  // Sends `bytes` as one JACK MIDI event in the server's next cycle, whatever they are.
  void send(const Message& bytes);

 private:
  std::unique_ptr<RtMidiOut> m_output;
  JackPortWatch m_watch;
  std::optional<std::string> m_error;
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
