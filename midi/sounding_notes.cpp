// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/sounding_notes.h"

namespace tonalis::midi {

void SoundingNotes::track(const ChannelMessage& message) {
  const bool isNoteOn = message.kind() == status::kNoteOn && message.data2() > 0;
  const bool isNoteOff = message.kind() == status::kNoteOff ||
                         (message.kind() == status::kNoteOn && message.data2() == 0);
  if (!isNoteOn && !isNoteOff) return;
  m_sounding[static_cast<std::size_t>(message.channel() * kNotesPerChannel + message.data1())] =
      isNoteOn;
}

std::vector<ChannelMessage> SoundingNotes::releaseAll() {
  std::vector<ChannelMessage> releases;
  for (std::size_t i = 0; i < m_sounding.size(); ++i) {
    if (!m_sounding[i]) continue;
    const auto channel = static_cast<std::uint8_t>(i / kNotesPerChannel);
    const auto note = static_cast<std::uint8_t>(i % kNotesPerChannel);
    releases.push_back({{static_cast<std::uint8_t>(status::kNoteOff | channel), note, 0}, 3});
  }
  m_sounding.reset();
  return releases;
}

}  // namespace tonalis::midi
