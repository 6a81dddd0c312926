// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/alsa_ports.h"

#include <utility>

#include "midi/alsa_sequencer.h"

namespace tonalis::midi {
namespace {

constexpr const char* kOutputPortName = "MIDI out";

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
  if (!alsaSequencerReachable()) return {};
  RtMidiCalls calls;
  const std::unique_ptr<RtMidiOut> client = calls.openClient<RtMidiOut>();
  if (!client) return {};
  return otherAlsaPortNames(calls, *client);
}

Opened<MessageSink> openAlsaOutputPort(const std::string& name) {
  if (!alsaSequencerReachable()) return Opened<MessageSink>::failure(kBadDeviceId);
  auto calls = std::make_unique<RtMidiCalls>();
  std::unique_ptr<RtMidiOut> client = calls->openClient<RtMidiOut>();
  if (!client) return Opened<MessageSink>::failure(kNoDriver);

  const std::optional<unsigned int> index = alsaPortIndex(*calls, *client, name);
  if (!index) return Opened<MessageSink>::failure(kBadDeviceId);
  if (const int code = calls->run([&] { client->openPort(*index, kOutputPortName); });
      code != kOk) {
    return Opened<MessageSink>::failure(code);
  }
  return {std::make_unique<AlsaPort>(std::move(calls), std::move(client))};
}

}  // namespace tonalis::midi
