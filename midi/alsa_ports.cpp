#include "midi/alsa_ports.h"

#include <RtMidi.h>
#include <alsa/asoundlib.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <exception>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

#include "midi/sound_servers.h"

namespace tonalis::midi {
namespace {

constexpr const char* kOutputPortName = "MIDI out";

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

  // Opens a client; later failures of that client come back through run().
  std::unique_ptr<RtMidiOut> openClient() {
    std::unique_ptr<RtMidiOut> client;
    const int code = run([&] {
      client = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
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

bool isCompiledIn() {
  std::vector<RtMidi::Api> compiled;
  RtMidi::getCompiledApi(compiled);
  return std::ranges::find(compiled, RtMidi::LINUX_ALSA) != compiled.end();
}

// The sequencer's client number, which RtMidi puts at the end of a name: "... 14:0".
std::optional<int> clientNumber(std::string_view name) {
  const std::size_t space = name.rfind(' ');
  const std::size_t colon = name.rfind(':');
  if (space == std::string_view::npos || colon == std::string_view::npos || colon < space) {
    return std::nullopt;
  }
  int number = 0;
  const char* first = name.data() + space + 1;
  const char* last = name.data() + colon;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc{} || end != last) return std::nullopt;
  return number;
}

// The sequencer knows which process each client belongs to.
class SequencerClients {
 public:
  SequencerClients() {
    if (snd_seq_open(&m_sequencer, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0) {
      m_sequencer = nullptr;
    }
  }
  ~SequencerClients() {
    if (m_sequencer != nullptr) snd_seq_close(m_sequencer);
  }
  SequencerClients(const SequencerClients&) = delete;
  SequencerClients& operator=(const SequencerClients&) = delete;

  bool reachable() const { return m_sequencer != nullptr; }

  bool belongsToThisProcess(const std::string& portName) const {
    const std::optional<int> client = clientNumber(portName);
    if (!client || m_sequencer == nullptr) return false;
    snd_seq_client_info_t* info = nullptr;
    snd_seq_client_info_alloca(&info);
    if (snd_seq_get_any_client_info(m_sequencer, *client, info) < 0) return false;
    return snd_seq_client_info_get_pid(info) == getpid();
  }

 private:
  snd_seq_t* m_sequencer = nullptr;
};

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

class AlsaPort final : public MessageSink {
 public:
  // `calls` must be the RtMidiCalls that opened `client`: the client reports into it.
  AlsaPort(std::unique_ptr<RtMidiCalls> calls, std::unique_ptr<RtMidiOut> client)
      : m_calls(std::move(calls)), m_client(std::move(client)) {}

  // The sequencer delivers each message as it is given: nothing waits to leave.
  ~AlsaPort() override {
    m_calls->run([&] { m_client->closePort(); });
  }

  int send(const ChannelMessage& message) override {
    const auto wire = message.wire();
    return m_calls->run([&] { m_client->sendMessage(wire.data(), wire.size()); });
  }

 private:
  std::unique_ptr<RtMidiCalls> m_calls;
  std::unique_ptr<RtMidiOut> m_client;
};

}  // namespace

std::vector<std::string> listAlsaOutputPorts() {
  quietSoundServers();
  const SequencerClients sequencer;
  if (!isCompiledIn() || !sequencer.reachable()) return {};
  RtMidiCalls calls;
  const std::unique_ptr<RtMidiOut> client = calls.openClient();
  if (!client) return {};
  std::vector<std::string> names = portNames(calls, *client);
  std::erase_if(names,
                [&](const std::string& name) { return sequencer.belongsToThisProcess(name); });
  return names;
}

Opened<MessageSink> openAlsaOutputPort(const std::string& name) {
  quietSoundServers();
  if (!isCompiledIn() || !SequencerClients().reachable()) {
    return Opened<MessageSink>::failure(kBadDeviceId);
  }
  auto calls = std::make_unique<RtMidiCalls>();
  std::unique_ptr<RtMidiOut> client = calls->openClient();
  if (!client) return Opened<MessageSink>::failure(kNoDriver);

  const std::vector<std::string> names = portNames(*calls, *client);
  const auto found = std::ranges::find(names, name);
  if (found == names.end()) return Opened<MessageSink>::failure(kBadDeviceId);
  const auto index = static_cast<unsigned int>(found - names.begin());
  if (const int code = calls->run([&] { client->openPort(index, kOutputPortName); }); code != kOk) {
    return Opened<MessageSink>::failure(code);
  }
  return {std::make_unique<AlsaPort>(std::move(calls), std::move(client))};
}

}  // namespace tonalis::midi
