// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace tonalis {

QString QtFileChooser::chooseSaveFile(const QString& title, const QString& filter,
                                      const QString& name, QString* chosenFilter) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileDialog::getSaveFileName(m_parent, title, QDir(folder).filePath(name), filter,
                                      chosenFilter);
}

}  // namespace tonalis
