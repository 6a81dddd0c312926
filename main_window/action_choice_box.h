// SPDX-License-Identifier: GPL-3.0-or-later
// A combo box offering the same choice as a menu's group of checkable entries, so that a
// dialog and a menu show one setting: choosing in either place checks the same entry in both.
#pragma once

class QActionGroup;
class QComboBox;
class QWidget;

namespace tonalis {

// The box lists the group's entries in their order, without their mnemonics; choosing an item
// triggers its entry, and an entry triggered elsewhere becomes the box's current item. The
// group must outlive the box.
QComboBox* comboForActions(QActionGroup& group, QWidget* parent);

}  // namespace tonalis
