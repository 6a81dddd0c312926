#include "midi/sound_servers.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <cstdlib>
#include <mutex>

namespace tonalis::midi {
namespace {

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}
void ignoreJackMessage(const char*) {}

}  // namespace

void quietSoundServers() {
  static std::once_flag once;
  std::call_once(once, [] {
    snd_lib_error_set_handler(&ignoreAlsaMessage);
    jack_set_error_function(&ignoreJackMessage);
    jack_set_info_function(&ignoreJackMessage);
    // Clients that do not pass JackNoStartServer themselves (FluidSynth's audio driver)
    // would otherwise spawn jackd, which hangs or takes the sound card away.
    setenv("JACK_NO_START_SERVER", "1", 1);
  });
}

bool alsaSequencerReachable() {
  quietSoundServers();
  snd_seq_t* sequencer = nullptr;
  if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0) return false;
  snd_seq_close(sequencer);
  return true;
}

bool jackServerRunning() {
  quietSoundServers();
  jack_status_t status{};
  jack_client_t* client = jack_client_open(kClientName, JackNoStartServer, &status);
  if (client == nullptr) return false;
  jack_client_close(client);
  return true;
}

}  // namespace tonalis::midi
