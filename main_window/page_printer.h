// SPDX-License-Identifier: GPL-3.0-or-later
// How the window puts the chord chart on paper. Tests replace it with a recording fake.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace tonalis {

class PagePrinter {
 public:
  virtual ~PagePrinter() = default;

  // Prints `page` on one landscape page of the default printer, scaled to fit.
  // Returns why it could not, in words for the user; nothing when it printed.
  virtual std::optional<QString> print(const QImage& page) = 0;
  // Asks the user for the printer, the copies and the paper, then prints `page` on one
  // landscape page of each copy. Nothing when it printed or the user cancelled; else why not.
  virtual std::optional<QString> printWithChoices(const QImage& page) = 0;
  // Asks the user where to save the page as a PDF file; empty when the user cancels.
  virtual QString choosePdfFile() = 0;
  // Writes `page` as a one-page landscape PDF file; returns why it could not, or nothing.
  virtual std::optional<QString> savePdf(const QImage& page, const QString& path) = 0;
};

}  // namespace tonalis
