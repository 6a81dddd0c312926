// SPDX-License-Identifier: GPL-3.0-or-later
// What carries the synthesizer's sound to the speakers. It can be stopped while nothing
// sounds, so that neither this program nor the sound server wakes up for silence.
#pragma once

namespace tonalis::midi {

class SoundFeed {
 public:
  virtual ~SoundFeed() = default;
  // Returns whether the feed runs afterwards; starting a running feed changes nothing.
  virtual bool start() = 0;
  virtual void stop() = 0;
};

}  // namespace tonalis::midi
