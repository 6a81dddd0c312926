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
  return listOtherAlsaPorts<RtMidiOut>();
}

Opened<MessageSink> openAlsaOutputPort(const std::string& name) {
  FoundAlsaPort<RtMidiOut> found = findAlsaPort<RtMidiOut>(name);
  if (found.code != kOk) return Opened<MessageSink>::failure(found.code);
  RtMidiOut& client = *found.client;
  if (const int code = found.calls->run([&] { client.openPort(found.index, kOutputPortName); });
      code != kOk) {
    return Opened<MessageSink>::failure(code);
  }
  return {std::make_unique<AlsaPort>(std::move(found.calls), std::move(found.client))};
}

}  // namespace tonalis::midi
