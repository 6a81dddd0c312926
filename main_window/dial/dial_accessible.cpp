// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/dial/dial_accessible.h"

#include <mutex>

#include "main_window/dial/dial.h"

namespace tonalis {

namespace {

QAccessibleInterface* dialFactory(const QString&, QObject* object) {
  auto* dial = qobject_cast<Dial*>(object);
  return dial != nullptr ? new DialAccessible(dial) : nullptr;
}

}  // namespace

DialAccessible::DialAccessible(Dial* dial) : QAccessibleWidget(dial, QAccessible::Dial) {}

Dial* DialAccessible::dial() const {
  return static_cast<Dial*>(widget());
}

void* DialAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString DialAccessible::text(QAccessible::Text textType) const {
  if (textType == QAccessible::Value) return QString::number(dial()->value());
  return QAccessibleWidget::text(textType);
}

QVariant DialAccessible::currentValue() const {
  return dial()->value();
}

void DialAccessible::setCurrentValue(const QVariant& value) {
  dial()->turnTo(value.toInt());
}

QVariant DialAccessible::maximumValue() const {
  return dial()->max();
}

QVariant DialAccessible::minimumValue() const {
  return 0;
}

QVariant DialAccessible::minimumStepSize() const {
  return 1;
}

void installDialAccessibility() {
  static std::once_flag once;
  std::call_once(once, [] { QAccessible::installFactory(&dialFactory); });
}

}  // namespace tonalis
