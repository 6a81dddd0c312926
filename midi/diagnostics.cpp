// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/diagnostics.h"

#include <cstdio>
#include <string>

namespace tonalis::midi {

void reportError(std::string_view source, std::string_view message) {
  // One write per line, so lines from the audio thread do not interleave with others.
  const std::string line = "tonalis: " + std::string(source) + ": " + std::string(message) + "\n";
  std::fputs(line.c_str(), stderr);
}

}  // namespace tonalis::midi
