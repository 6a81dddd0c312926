#include "midi/jack_clients.h"

#include <algorithm>
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

// Kept where they can still be reached, so that they are not taken for leaks.
std::vector<jack_client_t*>& abandonedClients() {
  static std::vector<jack_client_t*> clients;
  return clients;
}

jack_client_t* tryOpen() {
  jack_status_t status{};
  return jack_client_open(kClientName, JackNoStartServer, &status);
}

}  // namespace

jack_client_t* openJackClient() {
  quietSoundServers();
  jack_client_t* client = tryOpen();
  if (client == nullptr) {
    std::this_thread::sleep_for(kRetryPause);
    client = tryOpen();
  }
  if (client != nullptr) ownClients().add(jack_get_client_name(client));
  return client;
}

void releaseJackClient(jack_client_t* client, bool serverAlive) {
  ownClients().remove(jack_get_client_name(client));
  if (serverAlive) {
    jack_client_close(client);
  } else {
    // What the dead client holds is a few kilobytes, once per server that stops under the
    // program; another client of this process (the synthesizer's) may be going the same way.
    static std::mutex abandonedMutex;
    const std::lock_guard lock(abandonedMutex);
    abandonedClients().push_back(client);
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

int connectOwnMidiPort(jack_client_t* client, jack_port_t*& own, const char* name,
                       unsigned long flags, const std::string& port) {
  if (jack_port_by_name(client, port.c_str()) == nullptr) return kBadDeviceId;
  if (own == nullptr) {
    own = jack_port_register(client, name, JACK_DEFAULT_MIDI_TYPE, flags, 0);
    if (own == nullptr) return kError;
  }
  if (jack_activate(client) != 0) return kError;
  const bool outgoing = (flags & JackPortIsOutput) != 0;
  const char* from = outgoing ? jack_port_name(own) : port.c_str();
  const char* to = outgoing ? port.c_str() : jack_port_name(own);
  const int connected = jack_connect(client, from, to);
  if (connected != 0 && connected != EEXIST) {
    jack_deactivate(client);
    return kBadDeviceId;
  }
  return kOk;
}

}  // namespace tonalis::midi
