// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/jack_clients.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <mutex>
#include <string_view>
#include <thread>

#include "midi/midi_output.h"
#include "midi/sound_servers.h"

namespace tonalis::midi {
namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(100);

// The names the server gave this program's clients ("Tonalis", "Tonalis-01"...): another
// program's client may be named like this one, but only these are the program's own.
class OwnClients {
 public:
  void add(const char* name) {
    const std::lock_guard lock(m_mutex);
    m_names.emplace_back(name);
  }
  void remove(const char* name) {
    const std::lock_guard lock(m_mutex);
    const auto found = std::ranges::find(m_names, std::string_view(name));
    if (found != m_names.end()) m_names.erase(found);
  }
  bool owns(std::string_view port) const {
    const std::lock_guard lock(m_mutex);
    return std::ranges::any_of(m_names, [&](const std::string& name) {
      return port.size() > name.size() && port.starts_with(name) && port[name.size()] == ':';
    });
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_names;
};

OwnClients& ownClients() {
  static OwnClients clients;
  return clients;
}

std::atomic<std::uint64_t> g_departures{0};

jack_client_t* tryOpen() {
  jack_status_t status{};
  return jack_client_open(kClientName, JackNoStartServer, &status);
}

}  // namespace

// Two locks, so that a slow notification never costs the process callback a cycle: each is
// held while its kind of callback runs, and both while the owner cuts the link.
struct OwnJackClient::Link {
  JackCallbacks* target;
  std::mutex processMutex;
  std::mutex notifyMutex;

  static int process(jack_nframes_t frames, void* self) {
    auto& link = *static_cast<Link*>(self);
    // The owner takes this lock only to cut the link; the real-time thread never waits.
    const std::unique_lock lock(link.processMutex, std::try_to_lock);
    return lock && link.target != nullptr ? link.target->process(frames) : 0;
  }
  static void shutDown(void* self) {
    noteJackServerDeparture();
    auto& link = *static_cast<Link*>(self);
    const std::lock_guard lock(link.notifyMutex);
    if (link.target != nullptr) link.target->serverGone();
  }
  static void portsChanged(jack_port_id_t, jack_port_id_t, int, void* self) { notify(self); }
  static void portRegistered(jack_port_id_t, int, void* self) { notify(self); }
  static void notify(void* self) {
    auto& link = *static_cast<Link*>(self);
    const std::lock_guard lock(link.notifyMutex);
    if (link.target != nullptr) link.target->portsChanged();
  }
};

namespace {

// The links of clients whose server went, which their threads may still call through: kept
// where they can be reached, so that they are not taken for leaks. A few hundred bytes each,
// once per server that stops under the program.
struct AbandonedLinks {
  std::mutex mutex;
  std::vector<std::unique_ptr<OwnJackClient::Link>> links;
};

}  // namespace

std::uint64_t jackServerDepartures() {
  return g_departures.load();
}

void noteJackServerDeparture() {
  g_departures.fetch_add(1);
}

OwnJackClient::OwnJackClient(jack_client_t* client, std::uint64_t departures, Link* link)
    : m_client(client),
      m_name(jack_get_client_name(client)),
      m_departuresAtOpen(departures),
      m_link(link) {}

std::unique_ptr<OwnJackClient> OwnJackClient::open(JackCallbacks& callbacks, bool watchPorts) {
  quietSoundServers();
  jack_client_t* client = tryOpen();
  if (client == nullptr) {
    std::this_thread::sleep_for(kRetryPause);
    client = tryOpen();
  }
  if (client == nullptr) return nullptr;
  // Read after opening: the opening may itself have had libjack free the clients of a server
  // that went, which counts a departure that this client, on the new server, is not part of.
  const std::uint64_t departures = jackServerDepartures();
  auto* link = new Link{&callbacks, {}, {}};
  std::unique_ptr<OwnJackClient> opened(new OwnJackClient(client, departures, link));
  ownClients().add(opened->m_name.c_str());
  jack_set_process_callback(client, &Link::process, link);
  jack_on_shutdown(client, &Link::shutDown, link);
  if (watchPorts) {
    jack_set_port_connect_callback(client, &Link::portsChanged, link);
    jack_set_port_registration_callback(client, &Link::portRegistered, link);
  }
  return opened;
}

OwnJackClient::~OwnJackClient() {
  ownClients().remove(m_name.c_str());
  if (alive()) {
    // Closing ends the client's threads, so nothing calls through the link afterwards.
    jack_client_close(m_client);
    delete m_link;
    return;
  }
  {
    const std::scoped_lock lock(m_link->processMutex, m_link->notifyMutex);
    m_link->target = nullptr;
  }
  // Never destroyed: the client's threads may outlive the program's static objects.
  static auto* const abandoned = new AbandonedLinks;
  const std::lock_guard lock(abandoned->mutex);
  abandoned->links.emplace_back(m_link);
}

void JackCycleCount::waitForTwoAfter(unsigned long mark, const OwnJackClient& client,
                                     std::chrono::steady_clock::time_point deadline) const {
  while (client.alive() && m_cycles.load() < mark + 2 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

std::vector<std::string> otherJackMidiPorts(jack_client_t* client, unsigned long flags) {
  std::vector<std::string> ports;
  const char** names = jack_get_ports(client, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
  if (names == nullptr) return ports;
  for (const char** name = names; *name != nullptr; ++name) {
    if (!ownClients().owns(*name)) ports.emplace_back(*name);
  }
  jack_free(static_cast<void*>(names));
  return ports;
}

std::vector<std::string> OwnMidiPort::others(const OwnJackClient& client) const {
  if (!client.alive()) return {};
  const bool outgoing = (m_flags & JackPortIsOutput) != 0;
  return otherJackMidiPorts(client.get(), outgoing ? JackPortIsInput : JackPortIsOutput);
}

int OwnMidiPort::connect(const OwnJackClient& client, const std::string& port) {
  if (!client.alive()) return kBadDeviceId;
  jack_client_t* jack = client.get();
  if (jack_port_by_name(jack, port.c_str()) == nullptr) return kBadDeviceId;
  if (m_port == nullptr) {
    m_port = jack_port_register(jack, m_name, JACK_DEFAULT_MIDI_TYPE, m_flags, 0);
    if (m_port == nullptr) return kError;
  }
  if (jack_activate(jack) != 0) return kError;
  const bool outgoing = (m_flags & JackPortIsOutput) != 0;
  const char* from = outgoing ? jack_port_name(m_port) : port.c_str();
  const char* to = outgoing ? port.c_str() : jack_port_name(m_port);
  const int connected = jack_connect(jack, from, to);
  if (connected != 0 && connected != EEXIST) {
    jack_deactivate(jack);
    return kBadDeviceId;
  }
  m_connectedTo = port;
  return kOk;
}

void OwnMidiPort::disconnect(const OwnJackClient& client) {
  if (client.alive()) jack_deactivate(client.get());
  m_connectedTo.clear();
}

}  // namespace tonalis::midi
