// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/system_port.h"

#include <algorithm>

namespace tonalis::midi {

const SystemPort* findSystemPort(std::vector<SystemPort>& ports, const std::string& name,
                                 const std::function<std::vector<SystemPort>()>& readPorts) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const auto found = std::ranges::find(ports, name, &SystemPort::name);
    if (found != ports.end()) return &*found;
    if (attempt == 0) ports = readPorts();
  }
  return nullptr;
}

}  // namespace tonalis::midi
