// SPDX-License-Identifier: GPL-3.0-or-later
// The sound servers' libraries, kept from printing to stderr and from ever starting a JACK
// server.
#pragma once

namespace tonalis::midi {

// The client name under which this program appears in ALSA and JACK.
inline constexpr const char* kClientName = "Tonalis";

// Silences the messages ALSA and JACK print on their own when a sound server is missing
// (an expected case for this program) and stops any JACK client of this process from
// starting a server. Safe to call any number of times.
// It sets an environment variable: call it before other threads run.
void quietSoundServers();

}  // namespace tonalis::midi
