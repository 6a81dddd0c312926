#include "midi/fluid_driver_feed.h"

namespace tonalis::midi {

FluidDriverFeed::FluidDriverFeed(fluid_settings_t* settings, fluid_synth_t* synth)
    : m_settings(settings), m_synth(synth) {}

bool FluidDriverFeed::start() {
  if (!m_driver) m_driver.reset(fluid().new_fluid_audio_driver(m_settings, m_synth));
  return m_driver != nullptr;
}

void FluidDriverFeed::stop() {
  m_driver.reset();
}

}  // namespace tonalis::midi
