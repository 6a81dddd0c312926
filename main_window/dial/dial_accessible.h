// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees of a Dial: a dial whose value can be read and set; setting it
// acts as the user turning the dial.
#pragma once

#include <QAccessibleWidget>

namespace tonalis {

class Dial;

class DialAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit DialAccessible(Dial* dial);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text textType) const override;

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override;

 private:
  Dial* dial() const;
};

// Makes every Dial use DialAccessible; safe to call any number of times.
void installDialAccessibility();

}  // namespace tonalis
