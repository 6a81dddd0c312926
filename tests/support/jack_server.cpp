// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/jack_server.h"

#include <fcntl.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <sstream>
#include <thread>

#include "midi/sound_servers.h"

namespace tonalis::test {
namespace {

using namespace std::chrono_literals;

constexpr const char* kJackd = "jackd";
constexpr const char* kInputPortName = "MIDI in";
constexpr const char* kOutputPortName = "MIDI out";
constexpr const char* kMidiSink = TONALIS_JACK_MIDI_SINK;
constexpr auto kStartTimeout = 15s;
constexpr auto kStopTimeout = 5s;
constexpr auto kPollInterval = 20ms;

// Test servers take their names from a few of their own, which no user's server has. They run
// one at a time (see JackServerTurn), and a server that ends with clients still attached leaves its
// name registered in JACK's shared memory; only a later server of the same name frees it, and
// only while no process has the dead server's id (ids come round again on a busy machine). A new
// name for each server would use up JACK's few places after a couple of test runs; a name that
// is still taken moves the next server on to the next name.
constexpr const char* kServerName = "tonalis-test-server";
constexpr int kServerNames = 4;

// How many test servers this process stopped. libjack frees every client of a server that
// went, at the next client the process opens, whether or not the client heard that its server
// went: a test client opened before a stop must not call into libjack any more.
std::atomic<int> g_serverStops{0};

std::string serverName(int slot) {
  return kServerName + std::string("-") + std::to_string(slot);
}

// The synchronisation files of the clients of an earlier server of the same name, which a
// server that ended with clients attached leaves behind; a client of the same name on the
// next server must not find them.
void removeLeftoverClientFiles(const std::string& server) {
  const std::string prefix = "jack_sem." + std::to_string(getuid()) + "_" + server + "_";
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/shm", ignored)) {
    if (entry.path().filename().string().starts_with(prefix)) {
      std::filesystem::remove(entry.path(), ignored);
    }
  }
}

std::filesystem::path uniqueLogFile() {
  static std::atomic<int> started{0};
  return std::filesystem::temp_directory_path() /
         ("tonalis-test-server-" + std::to_string(getpid()) + "-" + std::to_string(started++) +
          ".log");
}

bool hasExited(pid_t pid) {
  int status = 0;
  return waitpid(pid, &status, WNOHANG) == pid;
}

// Runs jackd with its output in `logFile`. The server dies with this process, so a test
// that crashes leaves no server behind.
pid_t spawnJackd(const std::string& name, const std::filesystem::path& logFile) {
  // Non-realtime: CI containers may not grant realtime scheduling. Without it, on a busy
  // machine, clients wake up late: synchronous mode makes the server wait for them (up to
  // the generous timeout) instead of dropping their cycle, so no MIDI event is lost and no
  // client is thrown out, and the default period of 21 ms leaves them room. No audio
  // device reservation over D-Bus: there may be no bus.
  const std::vector<std::string> args{
      kJackd, "--no-realtime", "--sync", "--timeout", "5000", "--name", name, "-d", "dummy"};
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);

  const int log = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(EXIT_FAILURE);
    if (log >= 0) {
      dup2(log, STDOUT_FILENO);
      dup2(log, STDERR_FILENO);
    }
    execvp(kJackd, argv.data());
    _exit(127);
  }
  if (log >= 0) ::close(log);
  return pid;
}

}  // namespace

// The lock goes with the descriptor.
JackServerTurn::JackServerTurn() {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "tonalis-jack-server.lock";
  m_lock = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (m_lock >= 0) flock(m_lock, LOCK_EX);
}

JackServerTurn::~JackServerTurn() {
  if (m_lock >= 0) ::close(m_lock);
}

JackServer::JackServer() : m_name(serverName(0)), m_logFile(uniqueLogFile()) {}

JackServer::~JackServer() {
  stop();
  std::error_code ignored;
  std::filesystem::remove(m_logFile, ignored);
}

std::optional<std::string> JackServer::start() {
  if (m_pid > 0) return std::nullopt;
  // The clients of this process would otherwise print each failed connection attempt. The
  // program's own silencing: it also hears libjack free clients whose server went.
  midi::quietSoundServers();

  if (!m_turn) m_turn.emplace();
  std::optional<std::string> failure;
  for (int slot = 0; slot < kServerNames; ++slot) {
    m_name = serverName(slot);
    setenv("JACK_DEFAULT_SERVER", m_name.c_str(), 1);
    removeLeftoverClientFiles(m_name);
    m_pid = spawnJackd(m_name, m_logFile);
    if (m_pid < 0) return "could not fork for " + std::string(kJackd);
    failure = waitUntilAcceptingClients();
    if (!failure) return std::nullopt;
    if (m_pid > 0) terminate();
    if (failure->find("already active") == std::string::npos) break;
  }
  stop();
  return failure;
}

std::optional<std::string> JackServer::waitUntilAcceptingClients() {
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (hasExited(m_pid)) {
      m_pid = -1;
      return std::string(kJackd) + " exited during start-up:\n" + serverOutput();
    }
    jack_status_t status{};
    const auto options = static_cast<jack_options_t>(JackNoStartServer | JackServerName);
    if (jack_client_t* client =
            jack_client_open("tonalis-test-probe", options, &status, m_name.c_str())) {
      jack_client_close(client);
      return std::nullopt;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  return std::string(kJackd) + " did not accept clients in time:\n" + serverOutput();
}

void JackServer::stop() {
  if (m_pid > 0) terminate();
}

void JackServer::terminate() {
  g_serverStops.fetch_add(1);
  kill(m_pid, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
  while (!hasExited(m_pid)) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(m_pid, SIGKILL);
      waitpid(m_pid, nullptr, 0);
      break;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  m_pid = -1;
}

std::string JackServer::serverOutput() const {
  std::ifstream log(m_logFile);
  std::ostringstream text;
  text << log.rdbuf();
  return text.str();
}

struct JackTestClient::Shared {
  explicit Shared(Direction ofPort) : direction(ofPort) {}

  const Direction direction;
  jack_port_t* port = nullptr;
  std::atomic<bool> gone{false};
  std::mutex mutex;
  std::condition_variable arrived;
  std::vector<Message> received;
  std::deque<Message> unsent;

  static int process(jack_nframes_t frames, void* self) {
    auto& shared = *static_cast<Shared*>(self);
    void* buffer = jack_port_get_buffer(shared.port, frames);
    const std::lock_guard lock(shared.mutex);
    if (shared.direction == Direction::kInput) {
      const jack_nframes_t count = jack_midi_get_event_count(buffer);
      for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event{};
        if (jack_midi_event_get(&event, buffer, i) == 0)
          shared.received.emplace_back(event.buffer, event.buffer + event.size);
      }
      if (count > 0) shared.arrived.notify_all();
    } else {
      jack_midi_clear_buffer(buffer);
      // What does not fit in this cycle's buffer goes in the next, in order.
      while (!shared.unsent.empty() &&
             jack_midi_event_write(buffer, 0, shared.unsent.front().data(),
                                   shared.unsent.front().size()) == 0) {
        shared.unsent.pop_front();
      }
    }
    return 0;
  }

  static void shutDown(void* self) { static_cast<Shared*>(self)->gone = true; }
};

JackTestClient::JackTestClient(const std::string& clientName, Direction direction)
    : m_serverStopsAtOpen(g_serverStops.load()) {
  jack_status_t status{};
  m_client = jack_client_open(clientName.c_str(), JackNoStartServer, &status);
  if (m_client == nullptr) {
    m_error = "no JACK server took the client " + clientName;
    return;
  }
  const bool input = direction == Direction::kInput;
  const char* port = input ? kInputPortName : kOutputPortName;
  // The server names a client that comes second under a taken name "<name>-01".
  m_portName = jack_get_client_name(m_client) + std::string(":") + port;
  m_shared = new Shared(direction);
  m_shared->port = jack_port_register(m_client, port, JACK_DEFAULT_MIDI_TYPE,
                                      input ? JackPortIsInput : JackPortIsOutput, 0);
  jack_set_process_callback(m_client, &Shared::process, m_shared);
  jack_on_shutdown(m_client, &Shared::shutDown, m_shared);
  if (m_shared->port == nullptr || jack_activate(m_client) != 0) {
    m_error = "the JACK server refused the port " + m_portName;
  }
}

JackTestClient::~JackTestClient() {
  if (m_client == nullptr) return;
  if (serverGone()) {
    // Kept where it can be reached, so that it is not taken for a leak, and never destroyed:
    // the client's threads may outlive the process's static objects.
    static auto* const abandoned = new std::vector<std::unique_ptr<Shared>>;
    abandoned->emplace_back(m_shared);
    return;
  }
  jack_deactivate(m_client);
  if (m_shared->port != nullptr) jack_port_unregister(m_client, m_shared->port);
  jack_client_close(m_client);
  delete m_shared;
}

bool JackTestClient::serverGone() const {
  return m_shared->gone || g_serverStops.load() != m_serverStopsAtOpen;
}

bool JackTestClient::waitForConnections(int count, std::chrono::milliseconds timeout) const {
  if (m_error) return false;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!serverGone()) {
    if (jack_port_connected(m_shared->port) == count) return true;
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(kPollInterval);
  }
  return false;
}

std::vector<JackTestClient::Message> JackTestClient::waitForMessages(
    std::size_t count, std::chrono::milliseconds timeout) {
  if (m_shared == nullptr) return {};
  std::unique_lock lock(m_shared->mutex);
  m_shared->arrived.wait_for(lock, timeout, [&] { return m_shared->received.size() >= count; });
  return m_shared->received;
}

void JackTestClient::send(const Message& bytes) {
  if (m_shared == nullptr) return;
  const std::lock_guard lock(m_shared->mutex);
  m_shared->unsent.push_back(bytes);
}

JackMidiSinkProcess::JackMidiSinkProcess(std::string clientName)
    : m_clientName(std::move(clientName)) {}

JackMidiSinkProcess::~JackMidiSinkProcess() {
  if (m_pid > 0) {
    // A client killed outright holds the server up until it notices.
    kill(m_pid, SIGCONT);
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
  }
  if (m_output >= 0) ::close(m_output);
}

std::optional<std::string> JackMidiSinkProcess::start() {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return "no pipe for " + std::string(kMidiSink);
  const pid_t parent = getpid();
  m_pid = fork();
  if (m_pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(EXIT_FAILURE);
    dup2(pipeEnds[1], STDOUT_FILENO);
    execl(kMidiSink, kMidiSink, m_clientName.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  ::close(pipeEnds[1]);
  m_output = pipeEnds[0];
  if (m_pid < 0) return "could not fork for " + std::string(kMidiSink);
  std::string line;
  if (!readLine(line, std::chrono::steady_clock::now() + kStartTimeout) || line != "ready") {
    return std::string(kMidiSink) + " did not start: " + line;
  }
  return std::nullopt;
}

std::string JackMidiSinkProcess::portName() const {
  return m_clientName + ":" + kInputPortName;
}

void JackMidiSinkProcess::pause() {
  kill(m_pid, SIGSTOP);
}

void JackMidiSinkProcess::resume() {
  kill(m_pid, SIGCONT);
}

std::vector<JackMidiSinkProcess::Message> JackMidiSinkProcess::waitForMessages(
    std::size_t count, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string line;
  while (m_messages.size() < count && readLine(line, deadline)) {
    std::istringstream bytes(line);
    Message message;
    for (unsigned int byte = 0; bytes >> std::hex >> byte;) {
      message.push_back(static_cast<std::uint8_t>(byte));
    }
    m_messages.push_back(std::move(message));
  }
  return m_messages;
}

bool JackMidiSinkProcess::readLine(std::string& line,
                                   std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    if (const std::size_t end = m_unread.find('\n'); end != std::string::npos) {
      line = m_unread.substr(0, end);
      m_unread.erase(0, end + 1);
      return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd ready{m_output, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
    char chunk[256];
    const ssize_t got = read(m_output, chunk, sizeof chunk);
    if (got <= 0) return false;
    m_unread.append(chunk, static_cast<std::size_t>(got));
  }
}

}  // namespace tonalis::test
