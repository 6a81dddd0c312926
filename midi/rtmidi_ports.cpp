#include "midi/rtmidi_ports.h"

#include <RtMidi.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <exception>
#include <new>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>

#include "midi/sound_servers.h"

namespace tonalis::midi {
namespace {

using namespace std::chrono_literals;

constexpr const char* kOutputPortName = "MIDI out";

struct SystemApi {
  PortSystem system;
  RtMidi::Api api;
  bool (*reachable)();
  // How long the last messages sent may take to leave before the port can close.
  std::chrono::milliseconds drainTime;
};

// Listing order of the sound systems. ALSA sends each message as it is given. RtMidi
// hands JACK messages to the server's next process cycles (each up to ~45 ms) and may
// close the port before that cycle has taken them, losing the note-offs sent on closing.
constexpr std::array kSystems{
    SystemApi{PortSystem::kAlsa, RtMidi::LINUX_ALSA, &alsaSequencerReachable, 0ms},
    SystemApi{PortSystem::kJack, RtMidi::UNIX_JACK, &jackServerRunning, 100ms},
};

int resultFor(RtMidiError::Type type) {
  switch (type) {
    case RtMidiError::NO_DEVICES_FOUND:
    case RtMidiError::INVALID_DEVICE:
      return kBadDeviceId;
    case RtMidiError::MEMORY_ERROR:
      return kNoMemory;
    case RtMidiError::DRIVER_ERROR:
      return kNoDriver;
    case RtMidiError::INVALID_PARAMETER:
      return kInvalidParameter;
    default:
      return kError;
  }
}

// RtMidi reports a failure by exception until an error callback is installed and through
// that callback afterwards (printing to stderr when there is none). Every RtMidi call of
// this program goes through one of these, which turns both ways into a result code.
class RtMidiCalls {
 public:
  template <class Call>
  int run(Call&& call) noexcept {
    m_failure.reset();
    try {
      std::forward<Call>(call)();
    } catch (const RtMidiError& error) {
      return resultFor(error.getType());
    } catch (const std::bad_alloc&) {
      return kNoMemory;
    } catch (const std::exception&) {
      return kError;
    }
    return m_failure ? resultFor(*m_failure) : kOk;
  }

  // Opens a client of `api`; later failures of that client come back through run().
  std::unique_ptr<RtMidiOut> openClient(RtMidi::Api api) {
    std::unique_ptr<RtMidiOut> client;
    const int code = run([&] {
      client = std::make_unique<RtMidiOut>(api, kClientName);
      client->setErrorCallback(&RtMidiCalls::record, this);
    });
    return code == kOk ? std::move(client) : nullptr;
  }

 private:
  static void record(RtMidiError::Type type, const std::string&, void* self) {
    if (type == RtMidiError::DEBUG_WARNING) return;
    static_cast<RtMidiCalls*>(self)->m_failure = type;
  }

  std::optional<RtMidiError::Type> m_failure;
};

bool isCompiledIn(RtMidi::Api api) {
  std::vector<RtMidi::Api> compiled;
  RtMidi::getCompiledApi(compiled);
  return std::ranges::find(compiled, api) != compiled.end();
}

// Ports of this program (the client may carry a suffix when several instances run).
bool isOwnPort(std::string_view name) {
  const std::string_view client = name.substr(0, name.find(':'));
  return client.starts_with(kClientName) &&
         (client.size() == std::string_view(kClientName).size() ||
          client[std::string_view(kClientName).size()] == '-');
}

// Port names of a client, in RtMidi's port order; empty on failure.
std::vector<std::string> portNames(RtMidiCalls& calls, RtMidiOut& client) {
  std::vector<std::string> names;
  const int code = calls.run([&] {
    const unsigned int count = client.getPortCount();
    for (unsigned int i = 0; i < count; ++i) names.push_back(client.getPortName(i));
  });
  if (code != kOk) names.clear();
  return names;
}

const SystemApi* systemApi(PortSystem system) {
  const auto found = std::ranges::find(kSystems, system, &SystemApi::system);
  return found == kSystems.end() ? nullptr : &*found;
}

class RtMidiPort final : public MessageSink {
 public:
  // `calls` must be the RtMidiCalls that opened `client`: the client reports into it.
  RtMidiPort(std::unique_ptr<RtMidiCalls> calls, std::unique_ptr<RtMidiOut> client,
             std::chrono::milliseconds drainTime)
      : m_calls(std::move(calls)), m_client(std::move(client)), m_drainTime(drainTime) {}

  ~RtMidiPort() override {
    if (m_sentAny) std::this_thread::sleep_for(m_drainTime);
    m_calls->run([&] { m_client->closePort(); });
  }

  int send(const ChannelMessage& message) override {
    const auto wire = message.wire();
    m_sentAny = true;
    return m_calls->run([&] { m_client->sendMessage(wire.data(), wire.size()); });
  }

 private:
  std::unique_ptr<RtMidiCalls> m_calls;
  std::unique_ptr<RtMidiOut> m_client;
  std::chrono::milliseconds m_drainTime;
  bool m_sentAny = false;
};

}  // namespace

std::vector<OutputPortInfo> listOutputPorts() {
  std::vector<OutputPortInfo> ports;
  for (const SystemApi& system : kSystems) {
    if (!isCompiledIn(system.api) || !system.reachable()) continue;
    RtMidiCalls calls;
    const std::unique_ptr<RtMidiOut> client = calls.openClient(system.api);
    if (!client) continue;
    for (std::string& name : portNames(calls, *client)) {
      if (!isOwnPort(name)) ports.push_back({system.system, std::move(name)});
    }
  }
  return ports;
}

Opened<MessageSink> openOutputPort(const OutputPortInfo& port) {
  const SystemApi* system = systemApi(port.system);
  // A port whose server has stopped since the list was read is gone with it.
  if (system == nullptr || !isCompiledIn(system->api) || !system->reachable()) {
    return Opened<MessageSink>::failure(kBadDeviceId);
  }
  auto calls = std::make_unique<RtMidiCalls>();
  std::unique_ptr<RtMidiOut> client = calls->openClient(system->api);
  if (!client) return Opened<MessageSink>::failure(kNoDriver);

  const std::vector<std::string> names = portNames(*calls, *client);
  const auto found = std::ranges::find(names, port.name);
  if (found == names.end()) return Opened<MessageSink>::failure(kBadDeviceId);
  const auto index = static_cast<unsigned int>(found - names.begin());
  if (const int code = calls->run([&] { client->openPort(index, kOutputPortName); }); code != kOk) {
    return Opened<MessageSink>::failure(code);
  }
  return {std::make_unique<RtMidiPort>(std::move(calls), std::move(client), system->drainTime)};
}

}  // namespace tonalis::midi
