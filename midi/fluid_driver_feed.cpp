// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/fluid_driver_feed.h"

#include <mutex>
#include <vector>

#include "midi/jack_clients.h"

namespace tonalis::midi {
namespace {

// A JACK driver whose server went: libjack closes and frees its client by itself when the
// process next opens one, so deleting the driver would close it a second time. Kept where it
// can be reached, so that it is not taken for a leak.
void abandon(FluidAudioDriverPtr driver) {
  static std::mutex mutex;
  static std::vector<fluid_audio_driver_t*> abandoned;
  const std::lock_guard lock(mutex);
  abandoned.push_back(driver.release());
}

}  // namespace

FluidDriverFeed::FluidDriverFeed(fluid_settings_t* settings, fluid_synth_t* synth, bool onJack)
    : m_settings(settings), m_synth(synth), m_onJack(onJack) {}

FluidDriverFeed::~FluidDriverFeed() {
  stop();
}

bool FluidDriverFeed::start() {
  if (m_driver) return true;
  m_driver.reset(fluid().new_fluid_audio_driver(m_settings, m_synth));
  // Read after the driver opened its client, as OwnJackClient::open() does.
  m_jackDeparturesAtStart = jackServerDepartures();
  return m_driver != nullptr;
}

void FluidDriverFeed::stop() {
  if (serverWent()) abandon(std::move(m_driver));
  m_driver.reset();
}

bool FluidDriverFeed::serverWent() const {
  return m_onJack && m_driver && jackServerDepartures() != m_jackDeparturesAtStart;
}

}  // namespace tonalis::midi
