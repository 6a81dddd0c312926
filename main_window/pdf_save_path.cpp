// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/pdf_save_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace tonalis {

QString proposedPdfPath(const PdfFolders& folders) {
  const QString& folder = !folders.home.isEmpty()        ? folders.home
                          : !folders.documents.isEmpty() ? folders.documents
                                                         : folders.current;
  return QDir(folder).filePath(QCoreApplication::translate("tonalis::frmMain", "Chord chart.pdf"));
}

PdfFolders pdfFoldersHere() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return {
      .home = qEnvironmentVariable("HOME"),
      .documents = QFileInfo(documents).isDir() ? documents : QString(),
      .current = QDir::currentPath(),
  };
}

QString askForPdfFile(QWidget* parent) {
  return QFileDialog::getSaveFileName(
      parent, QCoreApplication::translate("tonalis::frmMain", "Save Chart as PDF"),
      proposedPdfPath(pdfFoldersHere()),
      QCoreApplication::translate("tonalis::frmMain", "PDF files (*.pdf)"));
}

}  // namespace tonalis
