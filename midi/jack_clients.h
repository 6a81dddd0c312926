// SPDX-License-Identifier: GPL-3.0-or-later
// What this program's JACK clients (the output's and the input's) share: opening and letting
// go of a client, listing the MIDI ports of every other client and connecting to one.
#pragma once

#include <jack/jack.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tonalis::midi {

// What a client's server calls, on the server's threads.
class JackCallbacks {
 public:
  virtual ~JackCallbacks() = default;
  virtual int process(jack_nframes_t frames) = 0;
  // The server shut down or threw the client out: only take note.
  virtual void serverGone() = 0;
  // Ports came, went or were connected (only for a client opened to watch them).
  virtual void portsChanged() {}
};

// How many times a JACK server went from under the clients of this process, as the first of
// them to hear of it tells (this program's, FluidSynth's audio driver's), or as libjack says
// when it frees them. A client opened before the count last grew is dead: once any client of
// the process has heard that its server went, libjack closes and frees every client the next
// time one opens, whether or not the others heard, so nothing may call into them any more.
std::uint64_t jackServerDepartures();
void noteJackServerDeparture();

// A client of this program on the default JACK server. Its callbacks reach their target only
// while this object lives: a client whose server has gone keeps its threads until libjack
// winds it down, and one of them may still be calling in.
class OwnJackClient {
 public:
  // Connects, trying once more when the server refuses the first time (it may still be busy
  // with a client that has just left); null when there is no server to take it. `watchPorts`
  // asks for portsChanged().
  static std::unique_ptr<OwnJackClient> open(JackCallbacks& callbacks, bool watchPorts);
  // Closes the client while its server runs. One whose server has gone is left to libjack
  // (closing it could free it a second time), cut off from its callbacks.
  ~OwnJackClient();
  OwnJackClient(const OwnJackClient&) = delete;
  OwnJackClient& operator=(const OwnJackClient&) = delete;

  // False once the server has gone; then nothing may call into get() any more.
  bool alive() const { return jackServerDepartures() == m_departuresAtOpen; }
  jack_client_t* get() const { return m_client; }

  // What the server's callbacks go through to reach their target.
  struct Link;

 private:
  OwnJackClient(jack_client_t* client, std::uint64_t departures, Link* link);

  jack_client_t* m_client;
  std::string m_name;
  std::uint64_t m_departuresAtOpen;
  Link* m_link;
};

// Counts the server's cycles, through a client's process callback. A change to the server's
// graph (a new connection, say) reaches what its clients read only when a cycle starts; once
// two more cycles have run, every client reads it.
class JackCycleCount {
 public:
  void passed() { m_cycles.fetch_add(1); }
  unsigned long now() const { return m_cycles.load(); }
  // Waits until two cycles after `mark` have run, while `client` lives, up to `deadline`: a
  // client that is stopped holds the whole server up.
  void waitForTwoAfter(unsigned long mark, const OwnJackClient& client,
                       std::chrono::steady_clock::time_point deadline) const;

 private:
  std::atomic<unsigned long> m_cycles{0};
};

// Full names ("client:port") of the MIDI ports with `flags` (JackPortIsInput, say), in the
// server's port order, except those of this program's own clients.
std::vector<std::string> otherJackMidiPorts(jack_client_t* client, unsigned long flags);

// The MIDI port of one of this program's clients, connected to one port of another client at
// a time: from it for an output port (`flags` JackPortIsOutput), into it for an input port.
class OwnMidiPort {
 public:
  OwnMidiPort(const char* name, unsigned long flags) : m_name(name), m_flags(flags) {}

  // Full names of the other clients' ports it can connect to, in the server's port order;
  // none once the server has gone.
  std::vector<std::string> others(const OwnJackClient& client) const;
  // Activates `client` with this port (registered on first use) connected to `port`.
  // kBadDeviceId when `port` is not there or cannot be connected, and the client is left
  // inactive; kError when the server refuses the port or the activation.
  int connect(const OwnJackClient& client, const std::string& port);
  // Deactivates `client`, which drops the connection: an idle client costs the server nothing.
  void disconnect(const OwnJackClient& client);

  jack_port_t* get() const { return m_port; }
  // The other client's port, empty when not connected.
  const std::string& connectedTo() const { return m_connectedTo; }

 private:
  const char* m_name;
  unsigned long m_flags;
  jack_port_t* m_port = nullptr;
  std::string m_connectedTo;
};

// What the output's and the input's JACK clients share: a client of this program with its MIDI
// port, connected to one port of another client at a time.
class JackPortClient : protected JackCallbacks {
 public:
  JackPortClient(const JackPortClient&) = delete;
  JackPortClient& operator=(const JackPortClient&) = delete;

  // False once the server has gone; then nothing here reaches it any more.
  bool alive() const { return m_client->alive(); }
  // Full names ("client:port") of the other clients' ports it can connect to, in the server's
  // port order; those of this program's clients are not among them.
  std::vector<std::string> otherPorts() const { return m_port.others(*m_client); }
  // Connects to `port`, and to it alone, from now on; kBadDeviceId when there is no such port.
  int connect(const std::string& port) {
    disconnect();
    const int code = m_port.connect(*m_client, port);
    m_connectedAt = m_cycles.now();
    return code;
  }
  virtual void disconnect() = 0;

 protected:
  JackPortClient(const char* portName, unsigned long portFlags) : m_port(portName, portFlags) {}
  ~JackPortClient() override = default;
  // As OwnJackClient::open(); false when there is no server.
  bool openClient(bool watchPorts) {
    m_client = OwnJackClient::open(*this, watchPorts);
    return m_client != nullptr;
  }
  // First in each destructor: the server's calls end before anything they use goes.
  void closeClient() {
    if (!m_client) return;
    disconnect();
    m_client.reset();
  }

  OwnMidiPort m_port;
  JackCycleCount m_cycles;  // passed by each process()
  unsigned long m_connectedAt = 0;
  std::unique_ptr<OwnJackClient> m_client;
};

}  // namespace tonalis::midi
