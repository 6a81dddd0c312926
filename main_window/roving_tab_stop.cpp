// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/roving_tab_stop.h"

#include <QWidget>

namespace tonalis {

void moveTabStop(QWidget& from, QWidget& to, QWidget* predecessor) {
  if (&from == &to) return;
  to.setFocusPolicy(Qt::TabFocus);
  if (predecessor != nullptr) QWidget::setTabOrder(predecessor, &to);
  to.setFocus(Qt::TabFocusReason);
  from.setFocusPolicy(Qt::NoFocus);
}

}  // namespace tonalis
