// SPDX-License-Identifier: GPL-3.0-or-later
// The message box the user sees: modal, the text only, an OK button, no icon, titled "Tonalis".
#pragma once

#include "main_window/message_box.h"

class QWidget;

namespace tonalis {

class QtMessageBox : public MessageBox {
 public:
  // `parent` centres the box over the window; without one the box is application modal.
  explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}

  void setParent(QWidget* parent) { m_parent = parent; }
  void show(const QString& text) override;
  bool ask(const QString& question) override;

 private:
  QWidget* m_parent;
};

}  // namespace tonalis
