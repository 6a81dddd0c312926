// SPDX-License-Identifier: GPL-3.0-or-later
// The notes an output has started and not yet stopped, so that closing it can stop them:
// a note whose release goes to another output (or nowhere) would sound on forever.
#pragma once

#include <bitset>
#include <vector>

#include "midi/short_message.h"

namespace tonalis::midi {

class SoundingNotes {
 public:
  void track(const ChannelMessage& message);
  // Note-offs for every note still sounding; afterwards nothing is.
  std::vector<ChannelMessage> releaseAll();

 private:
  static constexpr int kNotesPerChannel = kMaxDataValue + 1;
  std::bitset<kChannelCount * kNotesPerChannel> m_sounding;
};

}  // namespace tonalis::midi
