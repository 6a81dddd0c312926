// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI input ports of the ALSA sequencer, through RtMidi.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "midi/message_sink.h"

namespace tonalis::midi {

// Port names as RtMidi gives them, in its port order, except ports of this process's own
// clients; empty when the sequencer is not there.
std::vector<std::string> listAlsaInputPorts();

// A port listened to; letting go of it stops the listening.
class AlsaInputPort {
 public:
  // Called on RtMidi's thread with each message received, and when it reached the program.
  using Received =
      std::function<void(std::span<const std::uint8_t>, std::chrono::steady_clock::time_point)>;

  virtual ~AlsaInputPort() = default;
};

// Listens to the port of that name; kBadDeviceId when it has gone. SysEx, clock and active
// sensing are left out by the sequencer's client already.
Opened<AlsaInputPort> openAlsaInputPort(const std::string& name, AlsaInputPort::Received received);

}  // namespace tonalis::midi
