// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI output ports of the ALSA sequencer, through RtMidi.
#pragma once

#include <string>
#include <vector>

#include "midi/message_sink.h"

namespace tonalis::midi {

// Port names as RtMidi gives them ("Midi Through:Midi Through Port-0 14:0"), in its port
// order, except ports of this process's own clients; empty when the sequencer is not there.
std::vector<std::string> listAlsaOutputPorts();

// Connects to the port of that name, found again by name since port numbers shift when
// other programs come and go. kBadDeviceId when the port has gone.
Opened<MessageSink> openAlsaOutputPort(const std::string& name);

}  // namespace tonalis::midi
