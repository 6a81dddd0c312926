// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/pressable_accessible.h"

#include <mutex>

#include "main_window/pressable_label.h"

namespace tonalis {

namespace {

QAccessibleInterface* pressableFactory(const QString&, QObject* object) {
  auto* label = qobject_cast<PressableLabel*>(object);
  return label != nullptr ? new PressableAccessible(label) : nullptr;
}

}  // namespace

PressableAccessible::PressableAccessible(PressableLabel* label)
    : QAccessibleWidget(label, QAccessible::Button) {}

// A key is a check box: Orca speaks the checked state of a check box on focus and on every
// change, but says nothing of the state of a checkable push button.
QAccessible::Role PressableAccessible::role() const {
  return label()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
}

PressableLabel* PressableAccessible::label() const {
  return static_cast<PressableLabel*>(widget());
}

QAccessible::State PressableAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.checkable = label()->isCheckable();
  state.checked = label()->isChecked();
  return state;
}

QStringList PressableAccessible::actionNames() const {
  QStringList names{pressAction()};
  if (label()->isCheckable()) names << toggleAction();
  return names;
}

void PressableAccessible::doAction(const QString& actionName) {
  if (actionNames().contains(actionName)) label()->pressBriefly();
}

void installPressableAccessibility() {
  static std::once_flag once;
  std::call_once(once, [] { QAccessible::installFactory(&pressableFactory); });
}

}  // namespace tonalis
