// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/alsa_input_port.h"

#include <utility>

#include "midi/alsa_sequencer.h"

namespace tonalis::midi {
namespace {

constexpr const char* kInputPortName = "MIDI in";

class RtMidiInputPort final : public AlsaInputPort {
 public:
  RtMidiInputPort(std::unique_ptr<RtMidiCalls> calls, std::unique_ptr<RtMidiIn> client,
                  Received received)
      : m_calls(std::move(calls)), m_client(std::move(client)), m_received(std::move(received)) {}

  // Closing the port ends RtMidi's thread, and with it the calls into m_received.
  ~RtMidiInputPort() override {
    m_calls->run([&] { m_client->closePort(); });
  }

  int open(unsigned int index) {
    return m_calls->run([&] {
      m_client->setCallback(&RtMidiInputPort::receive, this);
      m_client->openPort(index, kInputPortName);
    });
  }

 private:
  static void receive(double, std::vector<unsigned char>* message, void* self) {
    static_cast<RtMidiInputPort*>(self)->m_received(*message, std::chrono::steady_clock::now());
  }

  std::unique_ptr<RtMidiCalls> m_calls;
  std::unique_ptr<RtMidiIn> m_client;
  Received m_received;
};

}  // namespace

std::vector<std::string> listAlsaInputPorts() {
  return listOtherAlsaPorts<RtMidiIn>();
}

Opened<AlsaInputPort> openAlsaInputPort(const std::string& name, AlsaInputPort::Received received) {
  FoundAlsaPort<RtMidiIn> found = findAlsaPort<RtMidiIn>(name);
  if (found.code != kOk) return Opened<AlsaInputPort>::failure(found.code);
  auto port = std::make_unique<RtMidiInputPort>(std::move(found.calls), std::move(found.client),
                                                std::move(received));
  if (const int code = port->open(found.index); code != kOk) {
    return Opened<AlsaInputPort>::failure(code);
  }
  return {std::move(port)};
}

}  // namespace tonalis::midi
