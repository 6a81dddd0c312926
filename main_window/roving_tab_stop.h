// SPDX-License-Identifier: GPL-3.0-or-later
// A group of controls with one place in the tab chain, such as the keys of the keyboard or the
// chart pictures: the arrow keys move the focus inside the group, and the place moves with it,
// so Tab leaves the group from the control last used and comes back to it.
#pragma once

class QWidget;

namespace tonalis {

// Gives `to` the group's place in the tab chain, right after `predecessor`, and the focus.
void moveTabStop(QWidget& from, QWidget& to, QWidget* predecessor);

}  // namespace tonalis
