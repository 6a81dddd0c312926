// SPDX-License-Identifier: GPL-3.0-or-later
// The page printer of the running program: the system's default printer, or a PDF file.
#pragma once

#include "main_window/page_printer.h"

class QPrinter;
class QWidget;

namespace tonalis {

class QtPagePrinter : public PagePrinter {
 public:
  // `dialogParent` owns the file dialog; it may be null.
  explicit QtPagePrinter(QWidget* dialogParent = nullptr) : m_dialogParent(dialogParent) {}

  std::optional<QString> print(const QImage& page) override;
  std::optional<QString> printWithChoices(const QImage& page) override;
  QString choosePdfFile() override;
  std::optional<QString> savePdf(const QImage& page, const QString& path) override;

 private:
  QWidget* m_dialogParent;
};

// Paints `page` centred on one landscape page of `printer`, as large as fits without distorting
// it. Returns false when the printer could not be started or finished.
bool paintLandscapePage(QPrinter& printer, const QImage& page);

}  // namespace tonalis
