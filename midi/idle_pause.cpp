// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/idle_pause.h"

namespace tonalis::midi {

IdlePause::IdlePause(FluidSynthesizer& synthesizer, SoundFeed& feed,
                     Clock::duration quietBeforeStop)
    : m_synthesizer(synthesizer), m_feed(feed), m_quietBeforeStop(quietBeforeStop) {}

int IdlePause::send(const ChannelMessage& message) {
  const std::scoped_lock lock(m_mutex);
  const bool noteOn = message.kind() == status::kNoteOn && message.data2() > 0;
  if (noteOn) {
    // Should the sound system refuse, the note still plays in the synthesizer and the next
    // note-on tries again.
    if (!m_feeding) m_feeding = m_feed.start();
    // The synthesizer may count the new voice only once it renders; the quiet starts over.
    m_quietSince.reset();
  }
  return m_synthesizer.send(message);
}

void IdlePause::check(Clock::time_point now) {
  const std::scoped_lock lock(m_mutex);
  if (!m_feeding || m_synthesizer.sounding()) {
    m_quietSince.reset();
    return;
  }
  if (!m_quietSince) {
    m_quietSince = now;
  } else if (now - *m_quietSince >= m_quietBeforeStop) {
    m_feed.stop();
    m_feeding = false;
    m_quietSince.reset();
  }
}

bool IdlePause::feeding() const {
  const std::scoped_lock lock(m_mutex);
  return m_feeding;
}

}  // namespace tonalis::midi
