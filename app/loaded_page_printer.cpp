// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/loaded_page_printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <utility>

#include "loader/shared_library.h"
#include "main_window/page_printer_module.h"
#include "main_window/pdf_save_path.h"

namespace tonalis {

LoadedPagePrinter::LoadedPagePrinter(QStringList folders, QWidget* dialogParent)
    : m_folders(std::move(folders)), m_dialogParent(dialogParent) {}

// The module itself stays loaded for the life of the program.
LoadedPagePrinter::~LoadedPagePrinter() = default;

PagePrinter* LoadedPagePrinter::printer() {
  if (m_printer || !m_failure.isEmpty()) return m_printer.get();
  for (const QString& folder : m_folders) {
    const QString file = QDir(folder).filePath(QStringLiteral(TONALIS_PRINTING_MODULE));
    if (!QFile::exists(file)) continue;
    m_module = std::make_unique<SharedLibrary>(QFile::encodeName(file).toStdString());
    MakePagePrinter make = nullptr;
    m_module->bind(kMakePagePrinter, make);
    if (make != nullptr) {
      m_printer.reset(make(m_dialogParent));
      return m_printer.get();
    }
    m_failure = QString::fromStdString(m_module->error());
    return nullptr;
  }
  m_failure =
      QCoreApplication::translate("Printing", "%1 is not in %2")
          .arg(QStringLiteral(TONALIS_PRINTING_MODULE), m_folders.join(QStringLiteral(", ")));
  return nullptr;
}

std::optional<QString> LoadedPagePrinter::print(const QImage& page) {
  if (PagePrinter* loaded = printer()) return loaded->print(page);
  return QCoreApplication::translate("Printing", "Printing is not available: %1.").arg(m_failure);
}

std::optional<QString> LoadedPagePrinter::printWithChoices(const QImage& page) {
  if (PagePrinter* loaded = printer()) return loaded->printWithChoices(page);
  return QCoreApplication::translate("Printing", "Printing is not available: %1.").arg(m_failure);
}

QString LoadedPagePrinter::choosePdfFile() {
  return askForPdfFile(m_dialogParent);
}

std::optional<QString> LoadedPagePrinter::savePdf(const QImage& page, const QString& path) {
  if (PagePrinter* loaded = printer()) return loaded->savePdf(page, path);
  return QCoreApplication::translate("Printing", "Saving as PDF is not available: %1.")
      .arg(m_failure);
}

}  // namespace tonalis
