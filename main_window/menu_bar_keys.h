// SPDX-License-Identifier: GPL-3.0-or-later
// F10 opens the first menu from the keyboard, as on other desktops. The menu bar takes the focus
// first: a screen reader then follows it from menu to menu instead of staying on the control
// that had the focus. Leaving the menus (Escape on the menu bar, or an entry chosen) gives the
// focus back to that control, as Alt and a menu's letter do.
#pragma once

class QMainWindow;
class QMenu;

namespace tonalis {

void openMenusWithF10(QMainWindow& window, QMenu& first);

}  // namespace tonalis
