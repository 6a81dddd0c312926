// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/system_port.h"

#include <algorithm>

namespace tonalis::midi {

std::vector<std::string> portNames(const std::vector<SystemPort>& ports) {
  std::vector<std::string> names;
  for (const SystemPort& port : ports) names.push_back(port.name);
  return names;
}

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
