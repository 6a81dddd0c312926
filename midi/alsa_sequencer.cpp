// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/alsa_sequencer.h"

#include <alsa/asoundlib.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tonalis::midi {
namespace {

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

std::vector<std::string> portNames(RtMidiCalls& calls, RtMidi& client) {
  std::vector<std::string> names;
  const int code = calls.run([&] {
    const unsigned int count = client.getPortCount();
    for (unsigned int i = 0; i < count; ++i) names.push_back(client.getPortName(i));
  });
  if (code != kOk) names.clear();
  return names;
}

}  // namespace

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

void RtMidiCalls::record(RtMidiError::Type type, const std::string&, void* self) {
  if (type == RtMidiError::DEBUG_WARNING) return;
  static_cast<RtMidiCalls*>(self)->m_failure = type;
}

bool alsaSequencerReachable() {
  quietSoundServers();
  return isCompiledIn() && SequencerClients().reachable();
}

std::vector<std::string> otherAlsaPortNames(RtMidiCalls& calls, RtMidi& client) {
  const SequencerClients sequencer;
  std::vector<std::string> names = portNames(calls, client);
  std::erase_if(names,
                [&](const std::string& name) { return sequencer.belongsToThisProcess(name); });
  return names;
}

std::optional<unsigned int> alsaPortIndex(RtMidiCalls& calls, RtMidi& client,
                                          const std::string& name) {
  const std::vector<std::string> names = portNames(calls, client);
  const auto found = std::ranges::find(names, name);
  if (found == names.end()) return std::nullopt;
  return static_cast<unsigned int>(found - names.begin());
}

}  // namespace tonalis::midi
