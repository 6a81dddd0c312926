// SPDX-License-Identifier: GPL-3.0-or-later
// What the "Devices" and "Input" menus share: one checkable entry per port of a MIDI system,
// found again by the port's name, and the words that follow a failure's code.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;

namespace tonalis {

// Makes `entries` `count` long, reusing the entries there are so that an open menu stays in
// place. A new entry k is checkable, one of `group`, named `name`(k), and calls `clicked`(k).
void keepEntries(std::vector<QAction*>& entries, int count, QMenu& menu, QActionGroup& group,
                 const char* name, const std::function<void(int)>& clicked);

// Gives `entry` the port `name`: shown as deviceEntryText() gives it, whole in the tooltip,
// and kept as the entry's data, by which the port in use is found again.
void showPortEntry(QAction& entry, const QString& name, const QMenu& menu);

// `message`, then what `code` means on a line of its own: the code alone tells a musician
// nothing.
QString withMeaning(QString message, int code);

}  // namespace tonalis
