// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a device in the window's "Devices" menu by the name the MIDI output gives it.
#pragma once

#include <QAction>
#include <QWidget>
#include <string>

namespace tonalis::testing {

// The menu entry of `deviceName`, or null when the menu does not list it. An entry's tooltip
// holds the whole name; its caption may be elided.
inline QAction* deviceEntry(const QWidget& window, const std::string& deviceName) {
  for (QAction* entry : window.findChildren<QAction*>()) {
    if (entry->toolTip() == QString::fromStdString(deviceName)) return entry;
  }
  return nullptr;
}

}  // namespace tonalis::testing
