// SPDX-License-Identifier: GPL-3.0-or-later
// A page printer for tests: keeps the pages it is given instead of printing them, and fails
// when the test says so. Beside it, a page to give any printer.
#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

#include "main_window/page_printer.h"

namespace tonalis::testing {

// A blank white page, as a chart of that size would be printed.
inline QImage whitePage(int width, int height) {
  QImage page(width, height, QImage::Format_RGB32);
  page.fill(Qt::white);
  return page;
}

class RecordingPagePrinter : public PagePrinter {
 public:
  // Every print fails with `reason` from now on; an empty optional makes printing work again.
  void setPrintFailure(std::optional<QString> reason) { m_printFailure = std::move(reason); }
  // The file the user "chooses" for the PDF; empty means the user cancels.
  void setPdfFile(QString path) { m_pdfFile = std::move(path); }
  void setSaveFailure(std::optional<QString> reason) { m_saveFailure = std::move(reason); }

  std::optional<QString> print(const QImage& page) override {
    if (m_printFailure) return m_printFailure;
    m_printed.push_back(page);
    return std::nullopt;
  }
  // The dialog is answered at once: printed, unless printing fails.
  std::optional<QString> printWithChoices(const QImage& page) override {
    ++m_choicesAsked;
    return print(page);
  }
  QString choosePdfFile() override {
    ++m_fileQuestions;
    return m_pdfFile;
  }
  std::optional<QString> savePdf(const QImage& page, const QString& path) override {
    if (m_saveFailure) return m_saveFailure;
    m_saved.emplace_back(path, page);
    return std::nullopt;
  }

  const std::vector<QImage>& printed() const { return m_printed; }
  const std::vector<std::pair<QString, QImage>>& saved() const { return m_saved; }
  int fileQuestions() const { return m_fileQuestions; }
  int choicesAsked() const { return m_choicesAsked; }

 private:
  std::optional<QString> m_printFailure;
  std::optional<QString> m_saveFailure;
  QString m_pdfFile;
  std::vector<QImage> m_printed;
  std::vector<std::pair<QString, QImage>> m_saved;
  int m_fileQuestions = 0;
  int m_choicesAsked = 0;
};

}  // namespace tonalis::testing
