// SPDX-License-Identifier: GPL-3.0-or-later
// The save dialog the user sees, over the window, starting in the documents folder.
#pragma once

#include "main_window/file_chooser.h"

class QWidget;

namespace tonalis {

class QtFileChooser : public FileChooser {
 public:
  void setParent(QWidget* parent) { m_parent = parent; }
  QString chooseSaveFile(const QString& title, const QString& filter, const QString& name,
                         QString* chosenFilter) override;

 private:
  QWidget* m_parent = nullptr;
};

}  // namespace tonalis
