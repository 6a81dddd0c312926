// What this program's JACK clients (the output's and the input's) share: opening and letting
// go of a client, listing the MIDI ports of every other client and connecting to one.
#pragma once

#include <jack/jack.h>

#include <string>
#include <vector>

namespace tonalis::midi {

// Connects to the JACK server, trying once more when it refuses the first time (it may still
// be busy with a client that has just left); null when there is no server to take it.
jack_client_t* openJackClient();

// Closes a client from openJackClient(). A client whose server has gone is kept instead:
// closing it can deadlock inside libjack with the threads that wind it down.
void releaseJackClient(jack_client_t* client, bool serverAlive);

// Full names ("client:port") of the MIDI ports with `flags` (JackPortIsInput, say), in the
// server's port order, except those of this program's own clients.
std::vector<std::string> otherJackMidiPorts(jack_client_t* client, unsigned long flags);

// Activates `client` with its own MIDI port `own` (registered as `name` with `flags` on first
// use) connected to the other client's `port`: from `own` for an output port, into it for an
// input port. kBadDeviceId when `port` is not there or cannot be connected, and the client is
// left inactive; kError when the server refuses the port or the activation.
int connectOwnMidiPort(jack_client_t* client, jack_port_t*& own, const char* name,
                       unsigned long flags, const std::string& port);

}  // namespace tonalis::midi
