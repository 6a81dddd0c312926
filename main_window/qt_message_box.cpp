// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/qt_message_box.h"

#include <QMessageBox>

namespace tonalis {

void QtMessageBox::show(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tonalis"), text, QMessageBox::Ok, m_parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool QtMessageBox::ask(const QString& question) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tonalis"), question,
                  QMessageBox::Yes | QMessageBox::No, m_parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace tonalis
