// SPDX-License-Identifier: GPL-3.0-or-later
// The program's page printer: the printing module, loaded at the first print rather than with
// the program, so that Qt's printing is not loaded before the splash can be painted.
#pragma once

#include <QStringList>
#include <memory>

#include "main_window/page_printer.h"

class QWidget;

namespace tonalis {

class SharedLibrary;

class LoadedPagePrinter final : public PagePrinter {
 public:
  // Looks for the module in `folders`, in order. `dialogParent` owns the file dialog; it may
  // be null.
  explicit LoadedPagePrinter(QStringList folders, QWidget* dialogParent = nullptr);
  ~LoadedPagePrinter() override;

  std::optional<QString> print(const QImage& page) override;
  std::optional<QString> printWithChoices(const QImage& page) override;
  QString choosePdfFile() override;
  std::optional<QString> savePdf(const QImage& page, const QString& path) override;

 private:
  // The module's printer, loaded on the first call; null when the module could not be loaded,
  // with the reason in m_failure.
  PagePrinter* printer();

  QStringList m_folders;
  QWidget* m_dialogParent;
  std::unique_ptr<SharedLibrary> m_module;
  std::unique_ptr<PagePrinter> m_printer;
  QString m_failure;
};

}  // namespace tonalis
