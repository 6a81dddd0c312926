// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/sound_servers.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

#include "midi/jack_clients.h"

namespace tonalis::midi {
namespace {

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}
void ignoreJackMessage(const char*) {}

// What libjack says when a client opens after a server went from under other clients of the
// process that had not all heard of it: it has just closed and freed them.
constexpr const char* kJackClosedDeadClients = "Jack server was closed but clients are still";

void noteJackError(const char* message) {
  if (std::strstr(message, kJackClosedDeadClients) != nullptr) noteJackServerDeparture();
}

}  // namespace

void quietSoundServers() {
  static std::once_flag once;
  std::call_once(once, [] {
    snd_lib_error_set_handler(&ignoreAlsaMessage);
    jack_set_error_function(&noteJackError);
    jack_set_info_function(&ignoreJackMessage);
    // Clients that do not pass JackNoStartServer themselves (FluidSynth's audio driver)
    // would otherwise spawn jackd, which hangs or takes the sound card away.
    setenv("JACK_NO_START_SERVER", "1", 1);
  });
}

}  // namespace tonalis::midi
