// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/action_choice_box.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>

namespace tonalis {

QComboBox* comboForActions(QActionGroup& group, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const QAction* entry : group.actions()) {
    QString text = entry->text();
    box->addItem(text.remove(QLatin1Char('&')));
  }
  const auto showChecked = [box, &group] {
    box->setCurrentIndex(static_cast<int>(group.actions().indexOf(group.checkedAction())));
  };
  showChecked();
  QObject::connect(&group, &QActionGroup::triggered, box, showChecked);
  QObject::connect(box, &QComboBox::activated, &group, [&group](int item) {
    const QList<QAction*> entries = group.actions();
    if (item >= 0 && item < entries.size()) entries[item]->trigger();
  });
  return box;
}

}  // namespace tonalis
