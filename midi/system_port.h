// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI port of the system as the output's and the input's workers list it: the sound system
// it belongs to and the name the menus show.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tonalis::midi {

enum class PortSystem { kAlsa, kJack };

struct SystemPort {
  PortSystem system;
  std::string name;
};

// The names of `ports`, in their order.
std::vector<std::string> portNames(const std::vector<SystemPort>& ports);

// The port named `name` in `ports`. A port the window knows may have come after the last
// listing reached the worker's thread, so when it is not there `ports` is read again once.
const SystemPort* findSystemPort(std::vector<SystemPort>& ports, const std::string& name,
                                 const std::function<std::vector<SystemPort>()>& readPorts);

}  // namespace tonalis::midi
