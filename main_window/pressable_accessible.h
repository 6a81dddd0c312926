// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees of a key or a chart picture: a check box for a key (checked
// while it is selected), a button for a picture, with a press action that plays it briefly.
#pragma once

#include <QAccessibleWidget>

namespace tonalis {

class PressableLabel;

class PressableAccessible : public QAccessibleWidget {
 public:
  explicit PressableAccessible(PressableLabel* label);

  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  PressableLabel* label() const;
};

// Makes every PressableLabel use PressableAccessible; safe to call any number of times.
void installPressableAccessibility();

}  // namespace tonalis
