// The MIDI output ports of the machine, through RtMidi: the ALSA sequencer's and the JACK
// server's, whichever of them runs here.
#pragma once

#include <string>
#include <vector>

#include "midi/message_sink.h"

namespace tonalis::midi {

enum class PortSystem { kAlsa, kJack };

struct OutputPortInfo {
  PortSystem system;
  // The port name as the sound system reports it, e.g. "synth:midi_in" under JACK.
  std::string name;
};

// Output ports of every sound system that starts, ALSA first, then JACK, each in its own
// port order. A system that cannot start is left out without a message; so are the
// ports of this program itself.
std::vector<OutputPortInfo> listOutputPorts();

// Connects to `port`, found again by name since port numbers shift when other programs
// come and go. kBadDeviceId when the port has gone.
Opened<MessageSink> openOutputPort(const OutputPortInfo& port);

}  // namespace tonalis::midi
